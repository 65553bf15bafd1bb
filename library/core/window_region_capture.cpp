#include "library/core/window_region_capture.h"

#include <algorithm>
#include <limits>

namespace pixfarrow {

std::int32_t AddClamped(std::int64_t a, std::int64_t b) {
  constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(a + b, low, high));
}

RegionCapture CaptureRegion(WindowCaptures& captures, WindowId window, SearchRegion& region, bool printWindow) {
  RegionCapture out;
  out.offsetX = region.left;
  out.offsetY = region.top;
  if (printWindow) {
    out.image = captures.WindowClientPixels(window, region.left, region.top, region.width, region.height);
    return out;
  }
  if (window != 0) {
    const ClientArea client = captures.ClientAreaOf(window);
    const std::int32_t widthLeft = AddClamped(client.width, -static_cast<std::int64_t>(region.left));
    const std::int32_t heightLeft = AddClamped(client.height, -static_cast<std::int64_t>(region.top));
    if (region.width == 0 || region.width > widthLeft) region.width = widthLeft;
    if (region.height == 0 || region.height > heightLeft) region.height = heightLeft;
    out.offsetX = AddClamped(region.left, client.originX);
    out.offsetY = AddClamped(region.top, client.originY);
  }
  // A width or height that is not positive here (a region beyond the client area) would
  // ask the screen capture for its own default size instead; it captures nothing.
  if (window != 0 && (region.width <= 0 || region.height <= 0)) return out;
  out.image = captures.ScreenPixels(out.offsetX, out.offsetY, region.width, region.height);
  return out;
}

}  // namespace pixfarrow
