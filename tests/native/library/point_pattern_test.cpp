#include "library/core/point_pattern.h"

#include <gtest/gtest.h>

#include "library/core/color_tables.h"
#include "library/core/process_events.h"
#include "palette_grid.h"

namespace pixfarrow {
namespace {

using test::Grid;
using Points = std::vector<PatternPoint>;

// FixedPalette index 249 is pure red, 0x000000FF as a colour (0x00BBGGRR).
constexpr std::uint8_t kRed = 249;
constexpr std::int32_t kRedColour = 0x0000FF;

TEST(ImagePattern, EveryPixelOrAllButTheBackground) {
  // 3 x 2, rows from the top; the bottom-left pixel (index 5) is the anchor.
  const Grid g = {{kRed, 3, kRed}, {5, kRed, kRed}};
  Points all = {{9, 9, 9}};
  std::int32_t none = -1;
  EXPECT_EQ(ImagePattern(test::BmpOf(g), none, all), 5);
  EXPECT_EQ(none, -1);
  EXPECT_EQ(all, (Points{{9, 9, 9}, {1, 0, kRed}, {2, 0, kRed}, {0, -1, kRed}, {1, -1, 3}, {2, -1, kRed}}));

  Points some;
  std::int32_t background = kRedColour;
  EXPECT_EQ(ImagePattern(test::BmpOf(g), background, some), 5);
  EXPECT_EQ(background, kRed);  // the colour comes back as its palette index
  EXPECT_EQ(some, (Points{{1, -1, 3}}));
}

TEST(ImagePattern, NothingButBackgroundOrNoImage) {
  Points points = {{1, 2, 3}};
  std::int32_t background = kRedColour;
  EXPECT_EQ(ImagePattern(test::BmpOf(test::FilledGrid(2, 2, kRed)), background, points), -1);
  EXPECT_EQ(points, (Points{{1, 2, 3}}));

  for (const ByteSet& bad : {ByteSet{}, ByteSet(60, 0x42)}) {
    background = kRedColour;
    EXPECT_EQ(ImagePattern(bad, background, points), -1);
    EXPECT_EQ(background, kRedColour);  // untouched when the image is not loaded
    EXPECT_EQ(points, (Points{{1, 2, 3}}));
  }
}

// The pattern of `small`, searched in `big` with small's top-left at (left, top).
struct Placed {
  Points points;
  std::int32_t anchor;
  ByteSet pixels;
  int width, height;
};

Placed Place(const Grid& small, std::uint8_t paper, int left, int top, int bigWidth = 9, int bigHeight = 7) {
  Placed p{{}, 0, {}, bigWidth, bigHeight};
  std::int32_t none = -1;
  p.anchor = ImagePattern(test::BmpOf(small), none, p.points);
  Grid big = test::FilledGrid(bigWidth, bigHeight, paper);
  for (std::size_t y = 0; y < small.size(); ++y) {
    for (std::size_t x = 0; x < small[y].size(); ++x) {
      const int gx = left + static_cast<int>(x), gy = top + static_cast<int>(y);
      if (gx >= 0 && gy >= 0 && gx < bigWidth && gy < bigHeight) big[gy][gx] = small[y][x];
    }
  }
  p.pixels = test::PaletteBytesOf(big);
  return p;
}

const Grid kSmall = {{10, 11, 12}, {13, 14, 15}};

TEST(SearchPoints, FindsTheAnchorPosition) {
  struct Case {
    const char* name;
    int left, top;
    Point expected;
  };
  const Case cases[] = {
      {"inside", 4, 2, {4, 3}},
      {"bottom-right corner", 6, 5, {6, 6}},
      {"cut by the right edge", 7, 2, kNotFound},
      {"cut by the top edge", 2, -1, kNotFound},
  };
  for (const Case& c : cases) {
    const Placed p = Place(kSmall, 0, c.left, c.top);
    EXPECT_EQ(SearchPoints(p.pixels, p.width, p.height, p.points, p.anchor, 0, 0), c.expected) << c.name;
  }
}

TEST(SearchPoints, ToleranceAndPercent) {
  // The big image holds the pattern with every index one higher.
  Grid shifted = kSmall;
  for (auto& row : shifted) {
    for (auto& v : row) ++v;
  }
  Placed p = Place(shifted, 0, 4, 2);
  std::int32_t none = -1;
  Points points;
  const std::int32_t anchor = ImagePattern(test::BmpOf(kSmall), none, points);
  EXPECT_EQ(SearchPoints(p.pixels, p.width, p.height, points, anchor, 0, 0), kNotFound);
  EXPECT_EQ(SearchPoints(p.pixels, p.width, p.height, points, anchor, 1, 0), (Point{4, 3}));

  // Two of the five points wrong: 60% needs 3 of them, 80% needs 4.
  Grid spoiled = kSmall;
  spoiled[0][0] = spoiled[0][1] = 200;
  p = Place(spoiled, 0, 4, 2);
  EXPECT_EQ(SearchPoints(p.pixels, p.width, p.height, points, anchor, 0, 60), (Point{4, 3}));
  EXPECT_EQ(SearchPoints(p.pixels, p.width, p.height, points, anchor, 0, 80), kNotFound);
}

TEST(SearchPoints, AllListsOverlappingHitsInScanOrder) {
  // A pattern of two equal pixels side by side, in a row of four such pixels.
  std::int32_t none = -1;
  Points points;
  const std::int32_t anchor = ImagePattern(test::BmpOf({{kRed, kRed}}), none, points);
  Grid big = test::FilledGrid(6, 2, 0);
  for (int x = 1; x <= 4; ++x) big[1][x] = kRed;
  big[0][0] = big[0][1] = kRed;
  std::vector<Point> hits = {{7, 7}};
  EXPECT_EQ(SearchPointsAll(hits, test::PaletteBytesOf(big), 6, 2, points, anchor, 0, 0), 4);
  EXPECT_EQ(hits, (std::vector<Point>{{1, 1}, {2, 1}, {3, 1}, {0, 0}}));
}

TEST(SearchPoints, OnePixelPatternHasNoPointToMatch) {
  std::int32_t none = -1;
  Points points;
  const std::int32_t anchor = ImagePattern(test::BmpOf({{kRed}}), none, points);
  ASSERT_EQ(anchor, kRed);
  const Placed p = Place({{kRed}}, 0, 3, 3);
  EXPECT_EQ(SearchPoints(p.pixels, p.width, p.height, points, anchor, 0, 0), kNotFound);
}

TEST(SearchPoints, PixelsThatHoldNoImageGiveNoHit) {
  const Placed p = Place(kSmall, 0, 4, 2);
  std::vector<Point> hits;
  const ByteSet shorter(p.pixels.begin(), p.pixels.end() - 1);
  EXPECT_EQ(SearchPoints(shorter, p.width, p.height, p.points, p.anchor, 0, 0), kNotFound);
  EXPECT_EQ(SearchPointsAll(hits, p.pixels, p.width, p.height + 1, p.points, p.anchor, 0, 0), 0);
  EXPECT_EQ(SearchPoints(p.pixels, 0, p.height, p.points, p.anchor, 0, 0), kNotFound);
  const Points far = {{INT32_MAX, INT32_MIN, 0}};
  EXPECT_EQ(SearchPoints(p.pixels, p.width, p.height, far, 0, INT32_MAX, 0), kNotFound);
}

int pumped = 0;
void CountPump() { ++pumped; }

TEST(SearchPoints, ProcessesEventsAfterEveryPositionAndPoint) {
  SetProcessEventsHandler(&CountPump);
  // 4 x 1 image of index 1; a pattern of anchor 1 and one point to the right of index 2:
  // positions 0 to 2 examine that point, position 3 ends at the edge before examining it.
  const Points points = {{1, 0, 2}};
  pumped = 0;
  EXPECT_EQ(SearchPoints(test::PaletteBytesOf({{1, 1, 1, 1}}), 4, 1, points, 1, 0, 0), kNotFound);
  EXPECT_EQ(pumped, 4 + 3);
  SetProcessEventsHandler(nullptr);
}

}  // namespace
}  // namespace pixfarrow
