#include "library/core/color_tables.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "library/core/nearest_color.h"

namespace pixfarrow {
namespace {

TEST(ColorTables, FixedPaletteHasTheListedColoursInOrder) {
  const std::pair<int, Rgb> cases[] = {
      {0, 0x000000},   {7, 0xC0C0C0},   {8, 0xC0DCC0},   {9, 0xA6CAF0},   {10, 0x402000},
      {11, 0x602000},  {63, 0xE0E000},  {64, 0x000040},  {200, 0x0020C0}, {245, 0xA0C0C0},
      {246, 0xFFFBF0}, {247, 0xA0A0A4}, {248, 0x808080}, {249, 0xFF0000}, {255, 0xFFFFFF},
  };
  for (const auto& [i, c] : cases) EXPECT_EQ(kFixedColors[i], c) << i;
  EXPECT_EQ(std::set<Rgb>(kFixedColors.begin(), kFixedColors.end()).size(), 250u);
  const std::pair<int, int> twice[] = {{2, 32}, {3, 36}, {4, 128}, {5, 132}, {6, 160}, {164, 248}};
  for (const auto& [a, b] : twice) EXPECT_EQ(kFixedColors[a], kFixedColors[b]) << a;
}

TEST(ColorTables, TablesAreBgrZeroEntries) {
  const ByteSet fixed = FixedPalette();
  ASSERT_EQ(fixed.size(), 1024u);
  EXPECT_EQ(ByteSet(fixed.begin() + 4 * 10, fixed.begin() + 4 * 11), (ByteSet{0x00, 0x20, 0x40, 0x00}));
  EXPECT_EQ(MonoPalette(), (ByteSet{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}));
  const ByteSet vga = Vga16Palette();
  ASSERT_EQ(vga.size(), 64u);
  EXPECT_EQ(ByteSet(vga.begin() + 4 * 9, vga.begin() + 4 * 10), (ByteSet{0x00, 0x00, 0xFF, 0x00}));
}

TEST(NearestColor, ExactColoursMapToTheirOwnLowerIndex) {
  for (int i = 0; i < 256; ++i) {
    int lowest = i;
    for (int j = 0; j < i; ++j) {
      if (kFixedColors[j] == kFixedColors[i]) lowest = j;
    }
    ASSERT_EQ(FixedPaletteIndex(kFixedColors[i]), lowest) << i;
  }
  EXPECT_EQ(FixedPaletteIndex(0xFF0000), 249);
  EXPECT_EQ(FixedPaletteIndex(0xFFFFFF), 255);
  EXPECT_EQ(FixedPaletteIndex(0x000000), 0);
  EXPECT_EQ(FixedPaletteIndex(0x402000), 10);
  EXPECT_EQ(FixedPaletteIndex(0xFF402000), 10);  // the top byte is not part of the colour
}

// The table must give the plain nearest-entry rule everywhere, including the block edges.
TEST(NearestColor, TableAgreesWithTheRuleOnSampledColours) {
  std::mt19937 rng(3);
  std::vector<Rgb> colours;
  for (int i = 0; i < 20000; ++i) colours.push_back(rng() & 0xFFFFFF);
  for (int r : {0, 31, 32, 127, 128, 223, 224, 255}) {
    for (int g : {0, 31, 32, 160, 191, 255}) {
      for (int b : {0, 31, 32, 63, 64, 255}) colours.push_back((r << 16) | (g << 8) | b);
    }
  }
  for (const Rgb c : colours) ASSERT_EQ(FixedPaletteIndex(c), NearestIndex(kFixedColors, c)) << std::hex << c;
}

TEST(NearestColor, MapToFixedPaletteConvertsEachPixel) {
  const std::uint32_t pixels[] = {0xFF0000, 0xFF0000, 0x00FFFFFF, 0x402000, 0, 0x7F000000};
  std::uint8_t out[6] = {};
  MapToFixedPalette(pixels, 6, out);
  EXPECT_EQ(ByteSet(out, out + 6), (ByteSet{249, 249, 255, 10, 0, 0}));
}

TEST(NearestColor, TiesGoToTheLowerIndex) {
  const Rgb table[] = {0x000000, 0x000002, 0x000002};
  EXPECT_EQ(NearestIndex(table, 0x000001), 0);
  EXPECT_EQ(NearestIndex(table, 0x000003), 1);
}

}  // namespace
}  // namespace pixfarrow
