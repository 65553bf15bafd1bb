#include "library/core/nearest_color.h"

#include <cstring>

#include "library/core/fixed_palette_map.h"

namespace pixfarrow {
namespace {

inline std::uint32_t Load32(const std::uint8_t* p) {
  std::uint32_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

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
  std::size_t i = 0;
  if (bytesPerPixel == 3) {
    // Four pixels from three words. Captures are mostly runs of one colour: a group equal
    // to the last group of one colour is written at once.
    std::uint32_t run0 = 0, run1 = 0, run2 = 0, runIndexes = 0x01010101u * map.Index(0);  // four black pixels
    for (; i + 4 <= count; i += 4, bgr += 12) {
      const std::uint32_t w0 = Load32(bgr), w1 = Load32(bgr + 4), w2 = Load32(bgr + 8);
      if (w0 == run0 && w1 == run1 && w2 == run2) {
        std::memcpy(out + i, &runIndexes, 4);
        continue;
      }
      const Rgb k0 = w0 & 0xFFFFFF, k1 = (w0 >> 24) | ((w1 & 0xFFFF) << 8);
      const Rgb k2 = (w1 >> 16) | ((w2 & 0xFF) << 16), k3 = w2 >> 8;
      out[i] = map.Index(k0);
      if (k0 == k1 && k1 == k2 && k2 == k3) {
        run0 = w0, run1 = w1, run2 = w2;
        runIndexes = 0x01010101u * out[i];
        std::memcpy(out + i, &runIndexes, 4);
        continue;
      }
      out[i + 1] = map.Index(k1);
      out[i + 2] = map.Index(k2);
      out[i + 3] = map.Index(k3);
    }
  } else {
    std::uint32_t last = ~0u;
    std::uint8_t index = 0;
    for (; i + 1 < count; ++i, bgr += 4) {  // every whole word but the row's last one
      const std::uint32_t c = Load32(bgr) & 0xFFFFFF;
      if (c != last) last = c, index = map.Index(c);
      out[i] = index;
    }
  }
  for (; i < count; ++i, bgr += bytesPerPixel) out[i] = map.Index(bgr[0], bgr[1], bgr[2]);
}

}  // namespace pixfarrow
