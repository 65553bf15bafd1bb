#include "library/core/text_pattern.h"

#include <gtest/gtest.h>

#include <string>

namespace pixfarrow {
namespace {

TextMask MaskOf(const std::vector<std::string>& picture) {
  TextMask mask{static_cast<std::int32_t>(picture[0].size()), static_cast<std::int32_t>(picture.size()), {}};
  for (const std::string& row : picture) {
    for (const char c : row) mask.text.push_back(c == '#');
  }
  return mask;
}

using Offsets = std::vector<PatternOffset>;

TEST(TextCellSize, HalfTheHeightPerByte) {
  struct Case {
    std::int32_t points, dpi;
    std::size_t bytes;
    CellSize cell;
  };
  const Case cases[] = {
      {9, 96, 1, {6, 12}},    // one single-byte character
      {9, 96, 2, {12, 12}},   // one double-byte character
      {10, 120, 3, {24, 16}},
      {9, 96, 0, {0, 0}},     // absent text
      {0, 96, 4, {0, 0}},
      {-9, 96, 4, {0, 0}},    // negative sizes draw nothing
      {1, 96, 1, {0, 0}},     // width truncates to 0: no cell
      {2000000, 96, 8, {0, 0}},  // beyond the largest cell
  };
  for (const Case& c : cases) {
    const CellSize cell = TextCellSize(c.points, c.dpi, c.bytes);
    EXPECT_EQ(cell, c.cell) << c.points << " pt, " << c.bytes << " bytes";
  }
}

TEST(TextPatternFromMask, AnchorIsTheFirstTextPixelFromTheBottomLeft) {
  const TextPattern p = TextPatternFromMask(MaskOf({"###", ".#.", ".#."}));
  // Anchor (1, 2); the text pixels above it in scan order.
  EXPECT_EQ(p.text, (Offsets{{0, -1}, {-1, -2}, {0, -2}, {1, -2}}));
  // Background after the anchor in scan order, then the one before it.
  EXPECT_EQ(p.background, (Offsets{{1, 0}, {-1, -1}, {1, -1}, {-1, 0}}));
}

TEST(TextPatternFromMask, NoTextPixelLeavesOnlyBackgroundFromMinusOneZero) {
  const TextPattern p = TextPatternFromMask(MaskOf({"..", ".."}));
  EXPECT_TRUE(p.text.empty());
  EXPECT_EQ(p.background, (Offsets{{1, 1}, {2, 1}, {1, 0}, {2, 0}}));
}

TEST(TextPatternFromMask, SingleTextPixelHasNoTextOffset) {
  const TextPattern p = TextPatternFromMask(MaskOf({".#", ".."}));
  EXPECT_TRUE(p.text.empty());
  EXPECT_EQ(p.background, (Offsets{{-1, 1}, {0, 1}, {-1, 0}}));
}

TEST(TextPatternFromMask, MalformedMaskGivesNothing) {
  for (const TextMask& mask : {TextMask{}, TextMask{3, 2, {1, 1}}, TextMask{-1, 2, {1, 1}}}) {
    const TextPattern p = TextPatternFromMask(mask);
    EXPECT_TRUE(p.text.empty());
    EXPECT_TRUE(p.background.empty());
  }
}

}  // namespace
}  // namespace pixfarrow
