#include "library/core/depth_conversion.h"

#include "library/core/color_tables.h"
#include "library/core/fixed_palette_rows.h"
#include "library/core/nearest_color.h"

namespace pixfarrow {
namespace {

template <std::size_t N>
void EncodePacked(const std::array<Rgb, N>& table, int bits, const std::uint32_t* pixels, std::int32_t width,
                  std::uint8_t* out) {
  const int perByte = 8 / bits;
  std::uint32_t last = pixels[0] & 0xFFFFFF;
  std::uint8_t index = NearestIndex(table, last);
  for (std::int32_t x = 0; x < width; ++x) {
    const std::uint32_t c = pixels[x] & 0xFFFFFF;
    if (c != last) last = c, index = NearestIndex(table, c);
    const int shift = 8 - bits * (x % perByte + 1);
    std::uint8_t& b = out[x / perByte];
    b = static_cast<std::uint8_t>((b & ~(((1 << bits) - 1) << shift)) | (index << shift));
  }
}

}  // namespace

bool IsSupportedDepth(int depth) {
  return depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32;
}

void EncodeRow(int depth, const std::uint32_t* pixels, std::int32_t width, std::uint8_t* out) {
  if (width <= 0) return;
  switch (depth) {
    case 1: EncodePacked(kMonoColors, 1, pixels, width, out); break;
    case 4: EncodePacked(kVga16Colors, 4, pixels, width, out); break;
    case 8: MapToFixedPalette(pixels, static_cast<std::size_t>(width), out); break;
    case 16:
      for (std::int32_t x = 0; x < width; ++x) {
        const std::uint32_t c = pixels[x];
        const std::uint32_t v = ((c >> 9) & 0x7C00) | ((c >> 6) & 0x03E0) | ((c >> 3) & 0x001F);
        out[2 * x] = static_cast<std::uint8_t>(v);
        out[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
      }
      break;
    case 24:
      for (std::int32_t x = 0; x < width; ++x) {
        out[3 * x] = static_cast<std::uint8_t>(pixels[x]);
        out[3 * x + 1] = static_cast<std::uint8_t>(pixels[x] >> 8);
        out[3 * x + 2] = static_cast<std::uint8_t>(pixels[x] >> 16);
      }
      break;
    case 32:
      for (std::int32_t x = 0; x < width; ++x) {
        for (int k = 0; k < 3; ++k) out[4 * x + k] = static_cast<std::uint8_t>(pixels[x] >> (8 * k));
        out[4 * x + 3] = 0;
      }
      break;
  }
}

}  // namespace pixfarrow
