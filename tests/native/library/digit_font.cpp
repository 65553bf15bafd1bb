#include "digit_font.h"

#include <array>

#include "bmp_builder.h"

namespace pixfarrow::test {
namespace {

constexpr int kCell = 4, kHeight = 5;

constexpr std::array<const char*, 10> kGlyphs = {
    "####.##.##.####", ".#.##..#..#.###", "###..#####..###", "###..####..####", "#.##.####..#..#",
    "####..###..####", "####..####.####", "###..#..#..#..#", "####.#####.####", "####.####..####"};

bool Ink(const std::string& text, int x, int y) {
  const std::size_t cell = static_cast<std::size_t>(x / kCell);
  const int cx = x % kCell;
  if (cell >= text.size() || cx == 3 || text[cell] < '0' || text[cell] > '9') return false;
  return kGlyphs[text[cell] - '0'][y * 3 + cx] == '#';
}

}  // namespace

TextMask DigitFont::Render(const TextStyle& style) const {
  lastText = std::string(style.text);
  lastFace = std::string(style.face);
  lastSize = style.size;
  lastWeight = style.weight;
  TextMask mask{static_cast<std::int32_t>(kCell * style.text.size()), style.text.empty() ? 0 : kHeight, {}};
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) mask.text.push_back(Ink(lastText, x, y));
  }
  return mask;
}

ByteSet BmpWithText(int width, int height, const std::vector<Written>& texts, std::uint32_t ink,
                    std::uint32_t paper) {
  return Bmp24(width, height, [&](int x, int y) {
    for (const Written& w : texts) {
      const int tx = x - w.left, ty = y - w.top;
      if (tx >= 0 && ty >= 0 && ty < kHeight && Ink(w.text, tx, ty)) return ink;
    }
    return paper;
  });
}

}  // namespace pixfarrow::test
