#include "ui_scene.h"

#include "common/bmp/le_bytes.h"
#include "library/core/dib_layout.h"

namespace pixfarrow::bench {
namespace {

std::uint32_t Hash(int x, int y) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u;
  h ^= h >> 13;
  return h * 0x5bd1e995u;
}

// Text: short runs of dark pixels on lines 14 px apart, like anti-aliased glyphs.
bool IsGlyph(int x, int y, int top, int width) {
  if (y < top || (y - top) % 14 >= 9 || x % 7 == 6 || x >= width) return false;
  return Hash(x, y) % 3 == 0;
}

}  // namespace

std::uint32_t SceneColour(int x, int y) {
  if (x < 60) {  // navigation bar with a few icons
    const bool icon = x >= 18 && x < 42 && y % 60 >= 20 && y % 60 < 44 && y < 400;
    return icon ? 0x8A8A8A : 0x2E2E2E;
  }
  if (x < 310) {  // chat list: avatars and two lines of text per entry
    const int entry = y / 64, ey = y % 64, ex = x - 60;
    if (entry == 2) return ex < 4 ? 0x07C160 : 0xDEDEDE;  // the selected entry
    if (ex >= 12 && ex < 52 && ey >= 12 && ey < 52) {
      const int ax = ex - 12, ay = ey - 12;
      return ((entry * 0x2F1B07 + ax * 0x030102 + ay * 0x010305) & 0x7F7F7F) + 0x404040;
    }
    if (ex >= 62 && IsGlyph(ex, ey, 14, 170) ) return ey < 28 ? 0x191919 : 0xB2B2B2;
    return 0xE9E9E9;
  }
  if (y < 60) return IsGlyph(x, y, 22, 520) ? 0x191919 : 0xF5F5F5;  // title bar
  if (y == 60 || y == 460) return 0xE7E7E7;
  if (y > 460) return IsGlyph(x, y, 480, 600) ? 0x191919 : 0xFFFFFF;  // input box
  // Message area: bubbles at alternating sides.
  const int bubble = (y - 70) / 80, by = (y - 70) % 80;
  const bool mine = bubble % 2 == 1;
  const int left = mine ? 480 : 370, right = mine ? 740 : 640;
  if (by < 50 && x >= left && x < right) {
    return IsGlyph(x - left - 8, by, 10, right - left - 16) ? 0x191919 : (mine ? 0x95EC69 : 0xFFFFFF);
  }
  return 0xF5F5F5;
}

ByteSet Bmp24(int width, int height, const std::function<std::uint32_t(int, int)>& colour) {
  const std::int32_t row = RowBytes(width * 24);
  ByteSet file;
  FileHeader fh;
  fh.size = static_cast<std::uint32_t>(54 + row * height);
  fh.offBits = 54;
  file = FileHeaderBytes(fh);
  InfoHeader ih;
  ih.width = width;
  ih.height = height;
  ih.bitCount = 24;
  const ByteSet info = InfoHeaderBytes(ih);
  file.insert(file.end(), info.begin(), info.end());
  file.resize(54 + static_cast<std::size_t>(row) * height, 0);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* p = file.data() + 54 + static_cast<std::size_t>(height - 1 - y) * row;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = colour(x, y);
      p[3 * x] = static_cast<std::uint8_t>(c);
      p[3 * x + 1] = static_cast<std::uint8_t>(c >> 8);
      p[3 * x + 2] = static_cast<std::uint8_t>(c >> 16);
    }
  }
  return file;
}

ByteSet SceneBmp() { return Bmp24(kSceneWidth, kSceneHeight, SceneColour); }

}  // namespace pixfarrow::bench
