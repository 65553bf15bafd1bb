// The image finder's searches in a fresh capture of a window or of the screen.
#include "library/core/color_search.h"
#include "library/core/image_finder.h"
#include "library/core/palette_bytes_view.h"

namespace pixfarrow {

Point ImageFinder::FindImageInWindow(WindowCaptures& captures, WindowId window, const ByteSet& small,
                                     SearchRegion* region, bool printWindow) const {
  SearchRegion none;
  const RegionCapture capture = CaptureRegion(captures, window, region ? *region : none, printWindow);
  const auto smallImage = DecodePaletteImage(small);
  if (!capture.image || !smallImage) return kNotFound;
  const PaletteImage& big = *capture.image;
  PaletteBytesView bytes(big.pixels);
  RowChainSearch<PaletteBytesView> search(bytes, big.stride, big.height, RowsOf(*smallImage));
  const std::int64_t pos = search.Next(1);
  if (pos == -1) return kNotFound;
  const Point centre = search.CentreOf(pos);
  return {AddClamped(centre.x, capture.offsetX), AddClamped(centre.y, capture.offsetY)};
}

std::int32_t ImageFinder::GetWindowPixelColor(WindowCaptures& captures, WindowId window, std::int32_t x,
                                              std::int32_t y, bool printWindow) const {
  std::uint32_t colour = kInvalidColour;
  if (printWindow) {
    colour = captures.WindowClientColour(window, x, y);
  } else if (window != 0) {
    const ClientArea client = captures.ClientAreaOf(window);
    colour = captures.ScreenColour(AddClamped(client.originX, x), AddClamped(client.originY, y));
  } else {
    colour = captures.ScreenColour(x, y);
  }
  return static_cast<std::int32_t>(colour);
}

Point ImageFinder::FindColorInWindow(WindowCaptures& captures, WindowId window, std::int32_t colour,
                                     SearchRegion* region, std::int32_t tolerance, bool printWindow) const {
  const ByteSet index = ColorToPaletteByte(colour);
  SearchRegion none;
  const RegionCapture capture = CaptureRegion(captures, window, region ? *region : none, printWindow);
  if (!capture.image) return kNotFound;
  const PaletteImage& image = *capture.image;
  const std::int64_t pos = FindPaletteColour(image.pixels, index, tolerance, 1);
  return pos == -1 ? kNotFound : PixelAt(pos, image.stride, image.height);
}

}  // namespace pixfarrow
