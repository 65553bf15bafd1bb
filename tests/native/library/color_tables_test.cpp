#include "library/core/color_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <thread>
#include <vector>

#include "library/core/fixed_palette_map.h"
#include "library/core/fixed_palette_rows.h"
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

// Every colour gets the index of the plain rule, one by one and in rows of 3- and 4-byte
// pixels by both ways (rows of several lengths, each in a buffer of exactly its size, so
// that every colour meets the row conversion at some place of its blocks and tails), and
// lies in its index's bounds. The colours are split among threads.
TEST(NearestColor, EveryColourGetsTheIndexOfThePlainRuleOnEveryPath) {
#if defined(__i386__) || defined(__x86_64__)
  ASSERT_TRUE(MapBgrHasSse2());  // else the SSE2 way below is the portable one again
#endif
  const FixedPaletteMap& map = FixedPaletteMap::Get();
  using RowWay = void (*)(const std::uint8_t*, std::size_t, std::size_t, std::uint8_t*);
  const RowWay ways[] = {MapBgrPortable, MapBgrSse2};
  constexpr std::size_t kLengths[] = {4099, 1, 15, 16, 17, 255, 256, 257, 2048, 3001};
  const unsigned parts = std::max(1u, std::min(16u, std::thread::hardware_concurrency()));
  std::vector<std::uint32_t> wrong(parts, 0), firstWrong(parts, 0);
  std::vector<std::thread> threads;
  for (unsigned t = 0; t < parts; ++t) {
    threads.emplace_back([&, t] {
      const Rgb begin = (Rgb{1} << 24) / parts * t, end = t + 1 == parts ? Rgb{1} << 24 : (Rgb{1} << 24) / parts * (t + 1);
      auto fail = [&](Rgb c) {
        if (wrong[t]++ == 0) firstWrong[t] = c;
      };
      std::vector<std::uint8_t> want, got;
      for (Rgb first = begin, row = 0; first < end; ++row) {
        const std::size_t n = std::min<std::size_t>(kLengths[row % std::size(kLengths)], end - first);
        want.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
          const Rgb c = first + static_cast<Rgb>(i);
          want[i] = NearestIndex(kFixedColors, c);
          if (map.Index(c) != want[i] || !map.BoundsOf(want[i]).Holds(c & 0xFF, (c >> 8) & 0xFF, c >> 16)) fail(c);
        }
        for (const std::size_t bytes : {3u, 4u}) {
          std::vector<std::uint8_t> bgr(n * bytes);
          for (std::size_t i = 0; i < n; ++i) {
            const Rgb c = first + static_cast<Rgb>(i);
            for (std::size_t k = 0; k < 3; ++k) bgr[i * bytes + k] = static_cast<std::uint8_t>(c >> (8 * k));
            if (bytes == 4) bgr[i * bytes + 3] = static_cast<std::uint8_t>(0xA5 ^ i);  // not part of the colour
          }
          for (const RowWay way : ways) {
            got.assign(n, 0);
            way(bgr.data(), n, bytes, got.data());
            for (std::size_t i = 0; i < n; ++i) {
              if (got[i] != want[i]) fail(first + static_cast<Rgb>(i));
            }
          }
        }
        first += static_cast<Rgb>(n);
      }
    });
  }
  for (std::thread& t : threads) t.join();
  for (unsigned t = 0; t < parts; ++t) EXPECT_EQ(wrong[t], 0u) << "first at " << std::hex << firstWrong[t];
}

TEST(NearestColor, UpperEntriesOfDoubledColoursHaveEmptyBounds) {
  for (const int i : {32, 36, 128, 132, 160, 248}) {
    const ColourBox& box = FixedPaletteMap::Get().BoundsOf(static_cast<std::uint8_t>(i));
    EXPECT_GT(box.low[0], box.high[0]) << i;
  }
  const ColourBox& red = FixedPaletteMap::Get().BoundsOf(249);
  EXPECT_TRUE(red.Holds(0, 0, 255));
  EXPECT_FALSE(red.Holds(0, 0, 100));
}

TEST(NearestColor, BgrRowsConvertAtThreeAndFourBytesAPixel) {
  // Runs, a colour after a run, colours in cells with several candidates, and a row whose
  // first bytes are all 0xFF and then 0 (white, blue, black: no group of one colour).
  const std::vector<Rgb> rows[] = {
      {0xF0F0F0, 0xF0F0F0, 0xFF0000, 0x101010, 0x101010, 0xC0DCC0, 0xA6CAF0, 0x808080, 0x7F7F7F},
      {0xFFFFFF, 0x0000FF, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x123456},
  };
  for (const std::vector<Rgb>& colours : rows) {
    for (const std::size_t bytes : {3u, 4u}) {
      std::vector<std::uint8_t> bgr;
      for (const Rgb c : colours) {
        bgr.insert(bgr.end(), {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8), static_cast<std::uint8_t>(c >> 16)});
        if (bytes == 4) bgr.push_back(0xAB);
      }
      for (const auto way : {MapBgrToFixedPalette, MapBgrPortable, MapBgrSse2}) {
        std::vector<std::uint8_t> out(colours.size());
        way(bgr.data(), out.size(), bytes, out.data());
        for (std::size_t i = 0; i < out.size(); ++i) EXPECT_EQ(out[i], NearestIndex(kFixedColors, colours[i])) << i;
      }
    }
  }
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
