#pragma once
// The capture step shared by the searches in a window: a region of a window's client area
// or of the screen, captured as a palette image, and the offset that turns a point of the
// capture into the coordinates the search reports.
#include <cstdint>
#include <optional>

#include "library/core/palette_image.h"
#include "library/core/search_region.h"
#include "library/core/window_captures.h"

namespace pixfarrow {

struct RegionCapture {
  std::optional<PaletteImage> image;  // nothing when the capture failed
  std::int32_t offsetX = 0;           // added to a point of the image
  std::int32_t offsetY = 0;
};

// printWindow: the window's own image at the region in client coordinates, offset (left,
// top). Else, with a window: the region in client coordinates, a zero or too large width
// and height clamped to the client area and written back into region, captured from the
// screen, offset (left + client origin). Without a window: the region in screen
// coordinates as given, offset (left, top).
RegionCapture CaptureRegion(WindowCaptures& captures, WindowId window, SearchRegion& region, bool printWindow);

// a + b limited to the int32 range (coordinates from callers can be anything).
std::int32_t AddClamped(std::int64_t a, std::int64_t b);

}  // namespace pixfarrow
