#include "library/core/image_finder.h"

#include <gtest/gtest.h>

#include <random>

#include "bmp_builder.h"
#include "library/core/bitmap_image.h"
#include "library/core/color_tables.h"
#include "library/core/fixed_palette_map.h"
#include "library/core/nearest_color.h"

namespace pixfarrow {
namespace {

using Grid = std::vector<std::vector<std::uint8_t>>;  // [y from the top][x], FixedPalette indexes

// An 8-bit file whose colour table is FixedPalette, so each index loads as itself.
ByteSet File(const Grid& g) {
  const std::vector<std::uint32_t> table(kFixedColors.begin(), kFixedColors.end());
  return test::Bmp8(static_cast<int>(g[0].size()), static_cast<int>(g.size()), table,
                    [&](int x, int y) { return g[y][x]; });
}

Grid Filled(int w, int h, std::uint8_t v) { return Grid(h, std::vector<std::uint8_t>(w, v)); }

void Paste(Grid& big, const Grid& small, int left, int top) {
  for (std::size_t y = 0; y < small.size(); ++y) {
    for (std::size_t x = 0; x < small[y].size(); ++x) big[top + y][left + x] = small[y][x];
  }
}

Grid Pattern(int w, int h, std::uint8_t base = 40) {
  Grid g = Filled(w, h, 0);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) g[y][x] = static_cast<std::uint8_t>(base + (x * 7 + y * 3) % 50);
  }
  return g;
}

// The plain search: load, ConvertDepth(8), PixelBytes, then FindBytes on the
// whole buffer from the first byte and BytesMid for each row further up.
std::vector<Point> ReferenceFindAll(const ByteSet& bigFile, const ByteSet& smallFile) {
  BitmapImage big, small;
  if (!big.载入位图(bigFile) || !small.载入位图(smallFile)) return {};
  big.ConvertDepth(8);
  small.ConvertDepth(8);
  const ByteSet bp = big.PixelBytes(), sp = small.PixelBytes();
  const std::int64_t stride = big.DibRowBytes(), h = big.Height(), w2 = small.Width(), h2 = small.Height();
  const std::int64_t stride2 = small.DibRowBytes();
  auto find = [&](const ByteSet& needle, std::int64_t start) -> std::int64_t {
    for (std::int64_t p = start; p + static_cast<std::int64_t>(needle.size()) - 1 <= static_cast<std::int64_t>(bp.size()); ++p) {
      if (std::equal(needle.begin(), needle.end(), bp.begin() + (p - 1))) return p;
    }
    return -1;
  };
  const ByteSet row1 = BytesMid(sp, 1, w2);
  std::vector<Point> all;
  for (std::int64_t pos = find(row1, 1); pos != -1; pos = find(row1, pos + 1)) {
    bool match = true;
    for (std::int64_t j = 1; j < h2 && match; ++j) match = BytesMid(bp, pos + stride * j, w2) == BytesMid(sp, stride2 * j + 1, w2);
    if (match) all.push_back({static_cast<std::int32_t>((pos - 1) % stride + w2 / 2),
                              static_cast<std::int32_t>((h - (pos - 1) / stride - 1) - h2 / 2)});
  }
  return all;
}

Point ReferenceFind(const ByteSet& bigFile, const ByteSet& smallFile) {
  const auto all = ReferenceFindAll(bigFile, smallFile);
  return all.empty() ? kNotFound : all.front();
}

TEST(ImageFinder, CentreRoundsRightAndUp) {
  struct Case {
    int size;
    Point want;
  };
  for (const Case& c : {Case{4, {12, 21}}, Case{5, {12, 22}}, Case{1, {10, 20}}, Case{2, {11, 20}}}) {
    Grid big = Filled(40, 30, 255);
    Paste(big, Pattern(c.size, c.size), 10, 20);
    EXPECT_EQ(ImageFinder().FindImage(File(big), File(Pattern(c.size, c.size))), c.want) << c.size;
  }
}

TEST(ImageFinder, ImageInItselfIsFoundAtTheFirstByte) {
  const std::pair<int, int> sizes[] = {{10, 10}, {7, 5}, {1, 1}, {4, 3}};
  for (const auto& [w, h] : sizes) {
    const ByteSet file = File(Pattern(w, h));
    EXPECT_EQ(ImageFinder().FindImage(file, file), (Point{w / 2, h - 1 - h / 2})) << w << "x" << h;
  }
}

TEST(ImageFinder, LowerOccurrenceWinsThenTheLeftOne) {
  const Grid target = Pattern(3, 2);
  Grid big = Filled(20, 12, 255);
  Paste(big, target, 12, 2);
  Paste(big, target, 2, 6);  // lower: reported although the other is further up and right
  EXPECT_EQ(ImageFinder().FindImage(File(big), File(target)), (Point{3, 6}));
  Grid sameRow = Filled(20, 12, 255);
  Paste(sameRow, target, 12, 6);
  Paste(sameRow, target, 4, 6);
  EXPECT_EQ(ImageFinder().FindImage(File(sameRow), File(target)), (Point{5, 6}));
}

// Width 5 gives three zero padding bytes per row; black is index 0 too.
TEST(ImageFinder, MatchesMayRunThroughPaddingIntoTheNextRow) {
  Grid big = Filled(5, 4, 255);
  big[3][4] = 0;  // bottom row's last pixel, then its padding: four zero bytes
  EXPECT_EQ(ImageFinder().FindImage(File(big), File(Filled(4, 1, 0))), (Point{6, 3}));
  Grid next = Filled(5, 4, 255);
  next[2][0] = 0;  // bottom row's padding, then the first pixel of the row above
  EXPECT_EQ(ImageFinder().FindImage(File(next), File(Filled(4, 1, 0))), (Point{7, 3}));
}

TEST(ImageFinder, OneRowAndTooTallTargets) {
  Grid big = Filled(12, 6, 255);
  const Grid row = {{40, 41, 42}};
  Paste(big, row, 1, 1);
  Paste(big, row, 6, 4);
  EXPECT_EQ(ImageFinder().FindImage(File(big), File(row)), (Point{7, 4}));
  EXPECT_EQ(ImageFinder().FindImage(File(Filled(6, 3, 255)), File(Filled(2, 4, 255))), kNotFound);
  EXPECT_EQ(ImageFinder().FindImage(File(Filled(6, 3, 255)), File(Filled(9, 1, 255))), kNotFound);
}

TEST(ImageFinder, ColoursWithTheSameIndexCountAsEqual) {
  ASSERT_EQ(FixedPaletteIndex(0xFE0101), FixedPaletteIndex(0xFF0000));
  const ByteSet big = test::Bmp24(8, 8, [](int x, int y) { return x == 3 && y == 4 ? 0xFE0101u : 0xFFFFFFu; });
  const ByteSet small = test::Bmp24(1, 1, [](int, int) { return 0xFF0000u; });
  EXPECT_EQ(ImageFinder().FindImage(big, small), (Point{3, 4}));
  const ByteSet other = test::Bmp24(1, 1, [](int, int) { return 0x00FF00u; });
  EXPECT_EQ(ImageFinder().FindImage(big, other), kNotFound);
}

TEST(ImageFinder, UnloadableImagesAreNotFound) {
  const ByteSet good = File(Pattern(4, 4));
  const ByteSet junk(200, 7);
  const std::pair<ByteSet, ByteSet> cases[] = {{{}, good}, {good, {}}, {junk, good}, {good, junk}, {{}, {}}};
  for (const auto& [big, small] : cases) EXPECT_EQ(ImageFinder().FindImage(big, small), kNotFound);
}

// The fast path (straight decode, rare-byte scan over the whole target) against the plain
// description, on images of few colours so that near-matches are common.
TEST(ImageFinder, FindImageAgreesWithThePlainSearch) {
  std::mt19937 rng(11);
  for (int round = 0; round < 400; ++round) {
    const int w = 1 + rng() % 13, h = 1 + rng() % 9, w2 = 1 + rng() % 5, h2 = 1 + rng() % 4;
    const int colours = 1 + rng() % 3;
    Grid big = Filled(w, h, 0), small = Filled(w2, h2, 0);
    for (auto& r : big) for (auto& v : r) v = static_cast<std::uint8_t>(rng() % colours == 0 ? 0 : 249);
    for (auto& r : small) for (auto& v : r) v = static_cast<std::uint8_t>(rng() % colours == 0 ? 0 : 249);
    if (w2 <= w && h2 <= h && rng() % 2) Paste(big, small, rng() % (w - w2 + 1), rng() % (h - h2 + 1));
    const ByteSet bf = File(big), sf = File(small);
    ASSERT_EQ(ImageFinder().FindImage(bf, sf), ReferenceFind(bf, sf)) << "round " << round;
  }
}

// A capture (24 or 32 bits, either row order) is searched without being converted as a
// whole: against the plain description, with colours of which several share an index,
// some lying in the colour bounds of another index, and black, which the row padding holds.
TEST(ImageFinder, FindImageInACaptureAgreesWithThePlainSearch) {
  std::mt19937 rng(23);
  const FixedPaletteMap& map = FixedPaletteMap::Get();
  std::vector<std::uint32_t> pool = {0x000000, 0x010101, 0xFF0000, 0xFE0101, 0xF0F0F0};
  while (pool.size() < 9) {
    const std::uint32_t d = rng() & 0xFFFFFF, c = (d + (rng() & 0x0F0F0F)) & 0xFFFFFF;
    if (map.Index(c) != map.Index(d) && map.BoundsOf(map.Index(d)).Holds(c & 0xFF, (c >> 8) & 0xFF, c >> 16)) {
      pool.push_back(c);
      pool.push_back(d);
    }
  }
  using Colours = std::vector<std::vector<std::uint32_t>>;
  for (int round = 0; round < 600; ++round) {
    const int w = 1 + rng() % 41, h = 1 + rng() % 10, w2 = 1 + rng() % 6, h2 = 1 + rng() % 4;
    const int bits = rng() % 2 ? 24 : 32;
    const bool topDown = rng() % 2;
    // Mostly one colour in some rounds, so that candidates are many and long to verify.
    const std::size_t used = 1 + rng() % pool.size(), background = rng() % 3 == 0 ? rng() % used : used;
    auto pick = [&] { return pool[background < used && rng() % 8 ? background : rng() % used]; };
    Colours big(h, std::vector<std::uint32_t>(w)), small(h2, std::vector<std::uint32_t>(w2));
    for (auto& r : big) for (auto& c : r) c = pick();
    for (auto& r : small) for (auto& c : r) c = pick();
    if (w2 <= w && h2 <= h && rng() % 2) {
      const int left = rng() % (w - w2 + 1), top = rng() % (h - h2 + 1);
      for (int y = 0; y < h2; ++y) {
        for (int x = 0; x < w2; ++x) {
          std::uint32_t c = small[y][x];
          if (c == 0xFF0000 && rng() % 2) c = 0xFE0101;  // another colour of the same index
          big[top + y][left + x] = c;
        }
      }
    }
    const ByteSet bf = test::Capture(w, h, bits, topDown, [&](int x, int y) { return big[y][x]; });
    const ByteSet sf = test::Bmp24(w2, h2, [&](int x, int y) { return small[y][x]; });
    ASSERT_EQ(ImageFinder().FindImage(bf, sf), ReferenceFind(bf, sf))
        << "round " << round << ": " << w << " x " << h << " at " << bits << (topDown ? " top-down" : "");
  }
}

TEST(ImageFinder, FindImageAltReportsEveryOccurrenceAndCounts) {
  ImageFinder finder;
  Grid big = Filled(7, 4, 255);
  big[3][1] = big[3][2] = big[3][3] = 0;  // three black pixels: two overlapping 2 x 1 matches
  big[0][5] = big[0][6] = 0;              // the top row's end and its padding byte: two more
  const ByteSet bigFile = File(big), pair = File(Filled(2, 1, 0)), square = File(Filled(2, 2, 255));
  std::vector<Point> points;
  EXPECT_EQ(finder.FindImageAlt(points, bigFile, pair), 4);
  EXPECT_EQ(points, (std::vector<Point>{{2, 3}, {3, 3}, {6, 0}, {7, 0}}));
  EXPECT_EQ(points, ReferenceFindAll(bigFile, pair));

  std::vector<Point> three(3);
  EXPECT_EQ(finder.FindImageAlt(three, File(Filled(7, 4, 255)), pair), 3);

  // Either half may be left empty to reuse the kept one.
  const auto squares = ReferenceFindAll(bigFile, square);
  ASSERT_FALSE(squares.empty());
  points.clear();
  EXPECT_EQ(finder.FindImageAlt(points, bigFile), 4);
  points.clear();
  EXPECT_EQ(finder.FindImageAlt(points, {}, square), static_cast<int>(squares.size()));
  EXPECT_EQ(points, squares);
  EXPECT_EQ(finder.FindImageAlt(points), 2 * static_cast<int>(squares.size()));
}

// Every occurrence, overlapping ones included: no candidate that a failed one skips can match.
TEST(ImageFinder, FindImageAltAgreesWithThePlainSearch) {
  std::mt19937 rng(29);
  for (int round = 0; round < 300; ++round) {
    const int w = 1 + rng() % 17, h = 1 + rng() % 9, w2 = 1 + rng() % 6, h2 = 1 + rng() % 3;
    Grid big = Filled(w, h, 0), small = Filled(w2, h2, 0);
    for (auto& r : big) for (auto& v : r) v = static_cast<std::uint8_t>(rng() % 4 == 0 ? 0 : 249);
    for (auto& r : small) for (auto& v : r) v = static_cast<std::uint8_t>(rng() % 4 == 0 ? 0 : 249);
    const ByteSet bf = File(big), sf = File(small);
    std::vector<Point> points;
    ImageFinder().FindImageAlt(points, bf, sf);
    ASSERT_EQ(points, ReferenceFindAll(bf, sf)) << "round " << round;
  }
}

TEST(ImageFinder, FindImageAltFailedLoadEmptiesItsHalf) {
  ImageFinder finder;
  std::vector<Point> points;
  ASSERT_EQ(finder.FindImageAlt(points, File(Filled(4, 4, 255)), File(Filled(1, 1, 255))), 16);
  EXPECT_EQ(finder.FindImageAlt(points, ByteSet(80, 1)), 0);
  EXPECT_EQ(finder.FindImageAlt(points), 0);
  EXPECT_EQ(finder.FindImageAlt(points, File(Filled(2, 2, 255))), 16 + 4);  // the small half was kept
  EXPECT_EQ(finder.FindImageAlt(points, {}, ByteSet(80, 1)), 0);
  EXPECT_EQ(finder.FindImageAlt(points, File(Filled(2, 2, 255))), 0);
}

TEST(ImageFinder, ImageToPaletteBytesIsThePaddedIndexRows) {
  const ByteSet file = test::Bmp24(3, 2, [](int x, int y) { return y == 0 ? 0xFF0000u : (x == 0 ? 0xFFFFFFu : 0u); });
  EXPECT_EQ(ImageFinder().ImageToPaletteBytes(file), (ByteSet{255, 0, 0, 0, 249, 249, 249, 0}));
  EXPECT_TRUE(ImageFinder().ImageToPaletteBytes(ByteSet(10, 0)).empty());
}

TEST(ImageFinder, MakeRectAddsWidthAndHeight) {
  EXPECT_EQ(ImageFinder().MakeRect(10, 20, 30, 40), (Rect{10, 20, 40, 60}));
  EXPECT_EQ(ImageFinder().MakeRect(-5, 3, 2, -10), (Rect{-5, 3, -3, -7}));
}

TEST(ImageFinder, CloneIsIndependentAndReleaseFreesTheTexts) {
  ImageFinder finder;
  finder.searchText = "abc";
  finder.fontFace = "face";
  finder.fontSize = 12;
  finder.fontWeight = 700;
  ImageFinder clone = finder.CloneFinder();
  finder.ReleaseFinder();
  EXPECT_TRUE(finder.searchText.empty());
  EXPECT_TRUE(finder.fontFace.empty());
  EXPECT_EQ(clone.searchText, "abc");
  EXPECT_EQ(clone.fontFace, "face");
  EXPECT_EQ(clone.fontSize, 12);
  EXPECT_EQ(clone.fontWeight, 700);
}

}  // namespace
}  // namespace pixfarrow
