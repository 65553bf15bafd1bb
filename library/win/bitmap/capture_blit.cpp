// The common end of every capture: pixels blitted in from a DC, at the depth asked for.
#include "library/core/depth_conversion.h"
#include "library/win/bitmap/bitmap_class.h"
#include "library/win/frame/declared_call.h"

namespace pixfarrow::win {

std::int32_t 新位图操作类::BlitIn(HDC source, std::int32_t x, std::int32_t y, std::int32_t width,
                              std::int32_t height, std::int32_t depth, HDC reference) {
  if (!IsSupportedDepth(depth) || width <= 0 || height <= 0) return 0;
  // GDI would match colours into a colour table by its own rule; blit at 32 bits and let
  // the core convert, as ConvertDepth does.
  const std::int32_t blitDepth = depth < 16 ? 32 : depth;
  if (image_.BuildPackedDib(width, height, blitDepth) != 1) return 0;
  if (!MakeDibFromPackedDib(false, reference)) return 0;
  Declared<api::BitBlt>()(dib_->memoryDC.get(), 0, 0, width, height, source, x, y, SRCCOPY);
  CopyDibBitsToPackedDib();
  if (depth != blitDepth && ConvertDepth(depth) != 1) {
    Reset();
    return 0;
  }
  return 1;
}

}  // namespace pixfarrow::win
