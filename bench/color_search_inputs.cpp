#include "color_search_inputs.h"

#include <array>
#include <cstdlib>

#include "library/core/palette_image.h"
#include "ui_scene.h"

namespace pixfarrow::bench {

ColourSearchInputs::ColourSearchInputs() {
  pixels = DecodePaletteImage(SceneBmp())->pixels;
  std::array<bool, 256> held{};
  for (std::uint8_t b : pixels) held[b] = true;
  for (int i = 2; i < 254; ++i) {
    if (!held[i - 2] && !held[i - 1] && !held[i] && !held[i + 1] && !held[i + 2]) {
      absent = static_cast<std::uint8_t>(i);
      break;
    }
  }
  pattern.assign(pixels.begin() + 300 * 800 + 100, pixels.begin() + 300 * 800 + 108);
  pattern.back() = static_cast<std::uint8_t>(pattern.back() + 3);
}

const ColourSearchInputs& ColourInputs() {
  static const ColourSearchInputs inputs;
  return inputs;
}

std::int64_t PlainFindByteNear(const ByteSet& bytes, int target, int tolerance) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (std::abs(bytes[i] - target) <= tolerance) return static_cast<std::int64_t>(i) + 1;
  }
  return -1;
}

std::int64_t PlainFindBytesNear(const ByteSet& h, const ByteSet& p, int tolerance) {
  for (std::size_t i = 0; i + p.size() <= h.size(); ++i) {
    std::size_t k = 0;
    while (k < p.size() && std::abs(h[i + k] - p[k]) <= tolerance) ++k;
    if (k == p.size()) return static_cast<std::int64_t>(i) + 1;
  }
  return -1;
}

}  // namespace pixfarrow::bench
