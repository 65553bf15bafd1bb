// The image finder's colour operations on images given as bytes.
#include "library/core/color_search.h"
#include "library/core/color_search_cache.h"
#include "library/core/image_finder.h"
#include "library/core/palette_image.h"

namespace pixfarrow {

Point ImageFinder::FindColorInImage(const ByteSet& image, std::optional<std::int32_t> colour,
                                    std::int32_t tolerance) const {
  ColorSearchCache& cache = LibraryColorSearchCache();
  std::lock_guard lock(cache.mutex);
  if (colour) {
    cache.colourByte = ColorToPaletteByte(*colour);
    cache.lastPosition = 0;
  }
  if (!image.empty()) {
    // An image that cannot be loaded leaves nothing to search; the position stays.
    auto decoded = DecodePaletteImage(image);
    cache.pixels = decoded ? std::move(decoded->pixels) : ByteSet{};
    cache.stride = decoded ? decoded->stride : 0;
    cache.height = decoded ? decoded->height : 0;
  }
  const std::int64_t pos = FindPaletteColour(cache.pixels, cache.colourByte, tolerance,
                                             static_cast<std::int64_t>(cache.lastPosition) + 1);
  cache.lastPosition = static_cast<std::int32_t>(pos);
  return pos == -1 ? kNotFound : PixelAt(pos, cache.stride, cache.height);
}

std::int32_t ImageFinder::ColorToPaletteIndex(std::int32_t colour) const {
  return PaletteIndexOfColour(static_cast<std::uint32_t>(colour));
}

ByteSet ImageFinder::ColorToPaletteByte(std::int32_t colour) const {
  return ByteSet{PaletteIndexOfColour(static_cast<std::uint32_t>(colour))};
}

}  // namespace pixfarrow
