// The image drawn into another bitmap object or onto a window.
#include "library/win/bitmap/bitmap_class.h"
#include "library/win/frame/declared_call.h"

namespace pixfarrow::win {

std::int32_t 新位图操作类::DrawTo(新位图操作类& target, std::int32_t sourceX, std::int32_t sourceY,
                             std::optional<std::int32_t> width, std::optional<std::int32_t> height,
                             std::int32_t targetX, std::int32_t targetY) {
  const auto record = BitmapRecord(GetBitmapHandle());
  // A target without an image has no DC to draw into: nothing is drawn, so say so.
  if (!record || !target.GetMemoryDC()) return 0;
  const BOOL drawn = Declared<api::BitBlt>()(target.GetMemoryDC(), targetX, targetY, width.value_or(record->bmWidth),
                                             height.value_or(record->bmHeight), dib_->memoryDC.get(), sourceX, sourceY,
                                             SRCCOPY);
  target.SyncPixelBytes();
  return drawn ? 1 : 0;
}

void 新位图操作类::PaintToWindow(HWND window) {
  if (!BitmapRecord(GetBitmapHandle())) return;
  // The packed DIB is a BITMAPINFO followed by its rows, as SetDIBitsToDevice takes them;
  // pixels set through GDI are flushed and copied into it first.
  SyncWhenChanged();
  const DeclaredGdi::WindowDc dc(window);
  if (!dc.get()) return;
  const auto lines = static_cast<UINT>(image_.DibHeight());
  Declared<api::SetDIBitsToDevice>()(dc.get(), 0, 0, static_cast<DWORD>(image_.DibWidth()), lines, 0, 0, 0, lines,
                                     image_.PixelBitsAddress(),
                                     reinterpret_cast<const BITMAPINFO*>(image_.DibAddress()), DIB_RGB_COLORS);
}

}  // namespace pixfarrow::win
