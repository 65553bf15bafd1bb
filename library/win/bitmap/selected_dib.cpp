#include "library/win/bitmap/selected_dib.h"

#include "library/core/dib_layout.h"
#include "library/win/frame/declared_call.h"

namespace pixfarrow::win {

std::optional<SelectedDib> MakeSelectedDib(HDC screen, const ByteSet& packedDib, std::size_t pixelBytesSize) {
  if (!screen || packedDib.size() < static_cast<std::size_t>(kInfoHeaderSize)) return std::nullopt;
  SelectedDib dib;
  dib.memoryDC = DeclaredGdi::memoryDcFor(screen);
  if (!dib.memoryDC) return std::nullopt;
  void* bits = nullptr;
  dib.dibSection = DeclaredGdi::Bitmap(Declared<api::CreateDIBSection>()(
      screen, reinterpret_cast<const BITMAPINFO*>(packedDib.data()), DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib.dibSection || !bits) return std::nullopt;
  dib.savedObject = DeclaredGdi::Selection(dib.memoryDC.get(), dib.dibSection.get());
  if (!dib.savedObject) return std::nullopt;
  dib.dibBits = static_cast<std::uint8_t*>(bits);
  dib.bitsSize = pixelBytesSize;
  return dib;
}

std::optional<BITMAP> BitmapRecord(HBITMAP bitmap) {
  BITMAP record{};
  if (!bitmap || Declared<api::GetObjectA>()(bitmap, sizeof(BITMAP), &record) == 0) return std::nullopt;
  return record;
}

}  // namespace pixfarrow::win
