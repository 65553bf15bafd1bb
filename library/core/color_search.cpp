#include "library/core/color_search.h"

#include "library/core/nearest_color.h"
#include "library/core/tolerant_match.h"

namespace pixfarrow {

std::uint8_t PaletteIndexOfColour(std::uint32_t colour) {
  const Rgb rgb = ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
  return FixedPaletteIndex(rgb);
}

std::int64_t FindPaletteColour(const ByteSet& pixels, const ByteSet& indexByte, std::int32_t tolerance,
                               std::int64_t start) {
  if (tolerance == 0) return FindBytes(pixels, indexByte, start);
  const std::int32_t target = indexByte.empty() ? 0 : indexByte[0];
  return FindByteNear(pixels, target, tolerance, start);
}

Point PixelAt(std::int64_t pos, std::int32_t stride, std::int32_t height) {
  if (pos < 1 || stride <= 0 || height <= 0) return kNotFound;
  return {static_cast<std::int32_t>((pos - 1) % stride), static_cast<std::int32_t>(height - (pos - 1) / stride - 1)};
}

}  // namespace pixfarrow
