#include "library/core/nearest_color.h"

#include "library/core/fixed_palette_map.h"

namespace pixfarrow {
namespace {

inline int Distance(Rgb a, Rgb b) {
  const int dr = static_cast<int>((a >> 16) & 0xFF) - static_cast<int>((b >> 16) & 0xFF);
  const int dg = static_cast<int>((a >> 8) & 0xFF) - static_cast<int>((b >> 8) & 0xFF);
  const int db = static_cast<int>(a & 0xFF) - static_cast<int>(b & 0xFF);
  return dr * dr + dg * dg + db * db;
}

}  // namespace

std::uint8_t NearestIndex(std::span<const Rgb> table, Rgb color) {
  std::size_t best = 0;
  int bestDistance = Distance(color, table[0]);
  for (std::size_t i = 1; i < table.size(); ++i) {
    const int d = Distance(color, table[i]);
    if (d < bestDistance) best = i, bestDistance = d;
  }
  return static_cast<std::uint8_t>(best);
}

std::uint8_t FixedPaletteIndex(Rgb color) { return FixedPaletteMap::Get().Index(color); }

void MapToFixedPalette(const std::uint32_t* pixels, std::size_t count, std::uint8_t* out) {
  const FixedPaletteMap& map = FixedPaletteMap::Get();
  // Captures are mostly runs of one colour: a pixel like the one before is not looked up.
  std::uint32_t last = ~pixels[0];
  std::uint8_t index = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t c = pixels[i] & 0xFFFFFF;
    if (c != last) last = c, index = map.Index(c);
    out[i] = index;
  }
}

void MapBgrToFixedPalette(const std::uint8_t* bgr, std::size_t count, std::size_t bytesPerPixel, std::uint8_t* out) {
  const FixedPaletteMap& map = FixedPaletteMap::Get();
  std::uint32_t lastBlue = 256, lastGreen = 0, lastRed = 0;
  std::uint8_t index = 0;
  for (std::size_t i = 0; i < count; ++i, bgr += bytesPerPixel) {
    const std::uint32_t blue = bgr[0], green = bgr[1], red = bgr[2];
    if (blue != lastBlue || green != lastGreen || red != lastRed) {
      lastBlue = blue, lastGreen = green, lastRed = red;
      index = map.Index(blue, green, red);
    }
    out[i] = index;
  }
}

}  // namespace pixfarrow
