#include "library/core/pattern_search.h"

#include <gtest/gtest.h>

#include <string>

#include "library/core/process_events.h"
#include "library/core/text_pattern.h"
#include "palette_grid.h"

namespace pixfarrow {
namespace {

using test::Grid;

const std::vector<std::string> kTee = {"###", ".#.", ".#."};
constexpr std::uint8_t kInk = 7, kPaper = 0;

TextPattern TeePattern() {
  TextMask mask{3, 3, {}};
  for (const std::string& row : kTee) {
    for (const char c : row) mask.text.push_back(c == '#');
  }
  return TextPatternFromMask(mask);
}

Grid WithTees(int width, int height, const std::vector<std::pair<int, int>>& tops) {
  Grid g = test::FilledGrid(width, height, kPaper);
  for (const auto& [left, top] : tops) test::Stamp(g, kTee, left, top, kInk);
  return g;
}

Point Search(const Grid& g, const TextPattern& p, int tolerance = 0, int percent = 0) {
  return SearchPattern(test::PaletteBytesOf(g), static_cast<int>(g[0].size()), static_cast<int>(g.size()), p.text,
                       p.background, kInk, tolerance, percent);
}

TEST(SearchPattern, FindsTheAnchorOfTheLowestThenLeftmostOccurrence) {
  struct Case {
    const char* name;
    std::vector<std::pair<int, int>> tees;  // top-left corners
    Point expected;
  };
  const Case cases[] = {
      {"one", {{2, 1}}, {3, 3}},
      {"lower wins over left", {{0, 0}, {5, 3}}, {6, 5}},
      {"left wins on one row", {{5, 2}, {1, 2}}, {2, 4}},
      {"cut by the top edge", {{2, -1}}, kNotFound},
      {"cut by the right edge", {{8, 2}}, kNotFound},
      {"none", {}, kNotFound},
  };
  for (const Case& c : cases) EXPECT_EQ(Search(WithTees(10, 7, c.tees), TeePattern()), c.expected) << c.name;
}

TEST(SearchPattern, AllListsEveryOccurrenceLowerFirst) {
  const Grid g = WithTees(10, 7, {{0, 0}, {5, 3}});
  const TextPattern p = TeePattern();
  std::vector<Point> hits = {{99, 99}};
  EXPECT_EQ(SearchPatternAll(hits, test::PaletteBytesOf(g), 10, 7, p.text, p.background, kInk, 0, 0, 0), 2);
  EXPECT_EQ(hits, (std::vector<Point>{{6, 5}, {1, 2}}));
  EXPECT_EQ(SearchPatternExactAll(hits, test::PaletteBytesOf(g), 10, 7, p.text, p.background, kInk), 2);
  EXPECT_EQ(hits, (std::vector<Point>{{6, 5}, {1, 2}}));
}

// One row: the candidate at x = 0, seven text points to its right of which the last
// `matching` hold the candidate's index, no background.
TEST(SearchPattern, PercentOfTextPointsNeededAtLeastOne) {
  struct Case {
    int matching, percent;
    bool found;
  };
  const Case cases[] = {
      {2, 50, false}, {3, 50, true},  // trunc(7 x 50 / 100) = 3
      {6, 0, false},  {7, 0, true},   // 0 counts as 100
      {0, 1, false},  {1, 1, true},   // 0 needed, yet one must match
  };
  std::vector<PatternOffset> text;
  for (int dx = 1; dx <= 7; ++dx) text.push_back({dx, 0});
  for (const Case& c : cases) {
    Grid g = test::FilledGrid(8, 1, kPaper);
    g[0][0] = kInk;
    for (int i = 0; i < c.matching; ++i) g[0][7 - i] = kInk;
    const Point p = SearchPattern(test::PaletteBytesOf(g), 8, 1, text, {}, kInk, 0, c.percent);
    EXPECT_EQ(p, (c.found ? Point{0, 0} : kNotFound)) << c.matching << " matching at " << c.percent << "%";
  }
}

TEST(SearchPattern, ToleranceWidensCandidateAndTextButNotBackground) {
  struct Case {
    const char* name;
    std::uint8_t ink, paper;
    int tolerance;
    bool found;
  };
  const Case cases[] = {
      {"exact", kInk, kPaper, 0, true},
      {"ink one off, no tolerance", kInk + 1, kPaper, 0, false},
      {"ink one off, tolerance 1", kInk + 1, kPaper, 1, true},
      // Background must differ from the candidate exactly; near counts as different.
      {"paper one off the ink", kInk, kInk + 1, 1, true},
      {"paper equal to the ink", kInk, kInk, 5, false},
  };
  for (const Case& c : cases) {
    Grid g = test::FilledGrid(5, 5, c.paper);
    test::Stamp(g, kTee, 1, 1, c.ink);
    EXPECT_EQ(Search(g, TeePattern(), c.tolerance) != kNotFound, c.found) << c.name;
  }
}

TEST(SearchPattern, EmptyBackgroundLetsTheTextDecideExceptInTheExactSearchAndEmptyTextFindsNothing) {
  const Grid g = WithTees(5, 5, {{1, 1}});
  const ByteSet pixels = test::PaletteBytesOf(g);
  const TextPattern tee = TeePattern();
  std::vector<Point> hits;
  // Without background the first candidate whose text points match wins.
  EXPECT_EQ(SearchPattern(pixels, 5, 5, tee.text, {}, kInk, 0, 0), (Point{2, 3}));
  // The exact search needs background points to differ: none, no hit.
  EXPECT_EQ(SearchPatternExactAll(hits, pixels, 5, 5, tee.text, {}, kInk), 0);
  // Without text offsets nothing matches.
  EXPECT_EQ(SearchPattern(pixels, 5, 5, {}, tee.background, kInk, 0, 0), kNotFound);
  EXPECT_EQ(SearchPatternAll(hits, pixels, 5, 5, {}, {}, kInk, 0, 0, 0), 0);
}

TEST(SearchPattern, BackgroundPointInTheLastTwoBytesFails) {
  // Candidate at the bottom-left, one text point to its right, one background point at the
  // top row's column 3. Width 4 has no row padding, so that point is the buffer's last byte
  // but one; width 6 pads each row by two bytes, which moves it away from the end.
  const std::vector<PatternOffset> text = {{1, 0}}, background = {{3, -1}};
  for (const int width : {4, 6}) {
    Grid g = test::FilledGrid(width, 2, kPaper);
    g[1][0] = g[1][1] = kInk;
    const Point p = SearchPattern(test::PaletteBytesOf(g), width, 2, text, background, kInk, 0, 0);
    EXPECT_EQ(p, (width == 4 ? kNotFound : Point{0, 1})) << "width " << width;
  }
}

TEST(SearchPattern, PixelsThatHoldNoImageGiveNoHit) {
  const Grid g = WithTees(5, 5, {{1, 1}});
  const ByteSet pixels = test::PaletteBytesOf(g);  // 8 x 5 bytes
  const TextPattern p = TeePattern();
  struct Case {
    const char* name;
    ByteSet bytes;
    int width, height;
  };
  const Case cases[] = {
      {"buffer shorter than stride x height", ByteSet(pixels.begin(), pixels.end() - 1), 5, 5},
      {"height beyond the buffer", pixels, 5, 6},
      {"width beyond the stride", pixels, 9, 5},
      {"zero width", pixels, 0, 5},
      {"negative height", pixels, 5, -5},
      {"empty", {}, 0, 0},
  };
  std::vector<Point> hits = {{1, 1}};
  for (const Case& c : cases) {
    EXPECT_EQ(SearchPattern(c.bytes, c.width, c.height, p.text, p.background, kInk, 0, 0), kNotFound) << c.name;
    EXPECT_EQ(SearchPatternAll(hits, c.bytes, c.width, c.height, p.text, p.background, kInk, 0, 0, 0), 0) << c.name;
    EXPECT_EQ(SearchPatternExactAll(hits, c.bytes, c.width, c.height, p.text, p.background, kInk), 0) << c.name;
  }
}

TEST(SearchPattern, OffsetsFarOutsideEndOnlyTheCandidate) {
  const Grid g = WithTees(5, 5, {{1, 1}});
  const TextPattern tee = TeePattern();
  std::vector<PatternOffset> text = {{INT32_MIN, INT32_MAX}};
  text.insert(text.end(), tee.text.begin(), tee.text.end());
  EXPECT_EQ(SearchPattern(test::PaletteBytesOf(g), 5, 5, text, tee.background, kInk, 0, 0), kNotFound);
  // Extreme target and tolerance: compared without overflow, and no index is that far off.
  EXPECT_EQ(SearchPattern(test::PaletteBytesOf(g), 5, 5, tee.text, tee.background, INT32_MIN, INT32_MAX - 300, 0),
            kNotFound);
}

int pumped = 0;
void CountPump() { ++pumped; }

TEST(SearchPattern, ProcessesEventsAfterEveryPosition) {
  SetProcessEventsHandler(&CountPump);
  const Grid g = test::FilledGrid(5, 3, kPaper);
  const TextPattern p = TeePattern();
  std::vector<Point> hits;
  pumped = 0;
  SearchPattern(test::PaletteBytesOf(g), 5, 3, p.text, p.background, kInk, 0, 0);
  EXPECT_EQ(pumped, 15);
  pumped = 0;
  SearchPatternExactAll(hits, test::PaletteBytesOf(g), 5, 3, p.text, p.background, kInk);
  EXPECT_EQ(pumped, 15);
  SetProcessEventsHandler(nullptr);
}

}  // namespace
}  // namespace pixfarrow
