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

}  // namespace pixfarrow
