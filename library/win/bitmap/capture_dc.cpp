// Captures from a device context, an icon drawn into one, and a DIB section taken over.
#include "library/core/dib_layout.h"
#include "library/win/bitmap/bitmap_class.h"
#include "library/win/frame/declared_call.h"

namespace pixfarrow::win {

std::int32_t 新位图操作类::CaptureFromDC(HDC source, const RECT& area, std::int32_t depth) {
  Reset();
  const std::int64_t width = std::int64_t{area.right} - area.left, height = std::int64_t{area.bottom} - area.top;
  if (!source || width > INT32_MAX || height > INT32_MAX) return 0;
  return BlitIn(source, area.left, area.top, static_cast<std::int32_t>(width), static_cast<std::int32_t>(height),
                depth, source);
}

std::int32_t 新位图操作类::LoadFromIcon(HICON icon, std::optional<std::int32_t> width,
                                    std::optional<std::int32_t> height, std::optional<std::int32_t> depth) {
  Reset();
  const std::int32_t w = width.value_or(32), h = height.value_or(32);
  if (!icon || w <= 0 || h <= 0) return 0;
  const DeclaredGdi::MemoryDc canvasDc = DeclaredGdi::memoryDcFor(screenDC_.get());
  const DeclaredGdi::Bitmap canvas(Declared<api::CreateCompatibleBitmap>()(screenDC_.get(), w, h));
  const DeclaredGdi::Selection chosen(canvasDc.get(), canvas.get());
  if (!chosen) return 0;
  const RECT area{0, 0, w, h};
  const DeclaredGdi::Brush white(Declared<api::CreateSolidBrush>()(0xFFFFFF));
  Declared<api::FillRect>()(canvasDc.get(), &area, white.get());
  Declared<api::DrawIconEx>()(canvasDc.get(), 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
  CaptureFromDC(canvasDc.get(), area, depth.value_or(32));
  return GetBitmapHandle() ? 1 : 0;
}

HGDIOBJ 新位图操作类::AdoptBitmap(HBITMAP dibSection, HDC, const ByteSet& packedDib) {
  Reset();
  const auto record = BitmapRecord(dibSection);
  // Only a DIB section whose size and depth the bytes repeat (the narrow form, all rows
  // present) can stand behind the packed DIB.
  ByteSet file = pixfarrow::FileHeaderBytes({});
  file.insert(file.end(), packedDib.begin(), packedDib.end());
  BitmapImage given;
  if (!record || !record->bmBits || given.LoadFromBmpBytes(file) != 1 || given.DibWidth() != record->bmWidth ||
      given.DibHeight() != record->bmHeight || given.DibBitCount() != record->bmBitsPixel) {
    return nullptr;
  }
  SelectedDib dib;
  dib.memoryDC = DeclaredGdi::memoryDcFor(screenDC_.get());
  dib.savedObject = DeclaredGdi::Selection(dib.memoryDC.get(), dibSection);
  if (!dib.savedObject) return nullptr;
  dib.dibSection = DeclaredGdi::Bitmap(dibSection);
  dib.dibBits = static_cast<std::uint8_t*>(record->bmBits);
  dib.bitsSize = static_cast<std::size_t>(given.PixelBytesSize());
  const HGDIOBJ displaced = dib.savedObject.displaced();
  image_ = std::move(given);
  dib_.emplace(std::move(dib));
  return displaced;
}

}  // namespace pixfarrow::win
