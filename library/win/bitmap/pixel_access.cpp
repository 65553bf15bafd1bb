#include "library/win/bitmap/bitmap_class.h"
#include "library/win/frame/declared_call.h"

namespace pixfarrow::win {

namespace {

bool Inside(const std::optional<BITMAP>& record, std::int32_t x, std::int32_t y) {
  return record && x >= 0 && y >= 0 && x < record->bmWidth && y < record->bmHeight;
}

}  // namespace

COLORREF 新位图操作类::GetPixelColor(std::int32_t x, std::int32_t y) {
  SyncWhenChanged();
  if (!Inside(BitmapRecord(GetBitmapHandle()), x, y)) return CLR_INVALID;
  return Declared<api::GetPixel>()(dib_->memoryDC.get(), x, y);
}

std::int32_t 新位图操作类::SetPixelColor(std::int32_t x, std::int32_t y, COLORREF colour) {
  // Some GDIs report success for a point outside a memory DC's bitmap; nothing was set.
  if (!Inside(BitmapRecord(GetBitmapHandle()), x, y) ||
      !Declared<api::SetPixelV>()(dib_->memoryDC.get(), x, y, colour)) {
    return 0;
  }
  pixelsChanged_ = 1;
  return 1;
}

}  // namespace pixfarrow::win
