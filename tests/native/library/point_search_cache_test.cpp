#include "library/core/point_search_cache.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "library/core/image_finder.h"
#include "library/core/process_events.h"
#include "palette_grid.h"

namespace pixfarrow {
namespace {

using test::Grid;

const Grid kSmall = {{10, 11, 12}, {13, 14, 15}};
const Grid kOther = {{20, 21}, {22, 23}};

// A 9 x 7 image of index 0 with `small` pasted at (left, top).
ByteSet BigWith(const Grid& small, int left, int top) {
  Grid big = test::FilledGrid(9, 7, 0);
  for (std::size_t y = 0; y < small.size(); ++y) {
    for (std::size_t x = 0; x < small[y].size(); ++x) big[top + y][left + x] = small[y][x];
  }
  return test::BmpOf(big);
}

TEST(PointSearchCache, LaterCallsReuseWhatIsKept) {
  PointSearchCache cache;
  const ByteSet big = BigWith(kSmall, 4, 2), small = test::BmpOf(kSmall);
  ASSERT_EQ(cache.Find(big, &small), (Point{4, 3}));
  const auto keptBig = cache.Big();
  const auto keptPattern = cache.Pattern();
  EXPECT_EQ(cache.Find(ByteSet{}), (Point{4, 3}));
  EXPECT_EQ(cache.Big(), keptBig);  // neither decoded nor built again
  EXPECT_EQ(cache.Pattern(), keptPattern);

  // A new small image replaces the pattern entirely; a new big image the image.
  const ByteSet other = test::BmpOf(kOther);
  EXPECT_EQ(cache.Find(ByteSet{}, &other), kNotFound);
  EXPECT_EQ(cache.Find(BigWith(kOther, 1, 1)), (Point{1, 2}));
}

TEST(PointSearchCache, NothingToSearch) {
  const ByteSet small = test::BmpOf(kSmall), big = BigWith(kSmall, 4, 2), notBmp(80, 0x33);
  {
    PointSearchCache cache;
    EXPECT_EQ(cache.Find(ByteSet{}, &small), kNotFound);  // no image kept yet
    EXPECT_EQ(cache.Pattern(), nullptr);                     // and the small one not read
    EXPECT_EQ(cache.Find(big), kNotFound);                 // no pattern kept yet
  }
  {
    PointSearchCache cache;
    ASSERT_NE(cache.Find(big, &small), kNotFound);
    EXPECT_EQ(cache.Find(notBmp), kNotFound);  // a failed load leaves no image
    EXPECT_EQ(cache.Big(), nullptr);
    EXPECT_EQ(cache.Find(ByteSet{}), kNotFound);
  }
  {
    PointSearchCache cache;
    ASSERT_NE(cache.Find(big, &small), kNotFound);
    EXPECT_EQ(cache.Find(big, &notBmp), kNotFound);  // a failed small image leaves no pattern
    EXPECT_EQ(cache.Find(big), kNotFound);
  }
}

TEST(PointSearchCache, BackgroundColourLeftOut) {
  // Index 5 (0x800080) around the pattern: as background only the inner pixels count.
  const Grid framed = {{5, 5, 5, 5}, {5, 10, 11, 5}, {5, 5, 5, 5}};
  const ByteSet small = test::BmpOf(framed), big = BigWith({{10, 11}}, 2, 3);
  PointSearchCache cache;
  EXPECT_EQ(cache.Find(big, &small), kNotFound);  // the frame must match too
  EXPECT_EQ(cache.Find(big, &small, 0x800080), (Point{2, 3}));
}

TEST(PointSearchCache, AltKeepsHitsOnEarlyExitAndEmptiesThemOtherwise) {
  ImageFinder finder;
  const ByteSet small = test::BmpOf(kSmall), notBmp(80, 0x33);
  std::vector<Point> hits = {{5, 5}, {6, 6}};
  EXPECT_EQ(finder.FindPointsInImageAlt(hits, notBmp, &small), 0);
  EXPECT_EQ(hits.size(), 2u);
  EXPECT_EQ(finder.FindPointsInImageAlt(hits, BigWith(kSmall, 0, 0), &small), 1);
  EXPECT_EQ(hits, (std::vector<Point>{{0, 1}}));
  // The first-hit operation has a cache of its own.
  EXPECT_EQ(finder.FindPointsInImage(ByteSet{}), kNotFound);
}

// A window message dispatched during a scan calls in again and replaces what is kept.
TEST(PointSearchCache, CallFromAnEventHandlerDuringTheScan) {
  static PointSearchCache cache;
  static const ByteSet otherBig = BigWith(kOther, 1, 1), otherSmall = test::BmpOf(kOther);
  static std::atomic<int> nested{0};
  SetProcessEventsHandler([] {
    if (nested.fetch_add(1) == 0) {
      EXPECT_EQ(cache.Find(otherBig, &otherSmall), (Point{1, 2}));
    }
  });
  const ByteSet big = BigWith(kSmall, 4, 2), small = test::BmpOf(kSmall);
  EXPECT_EQ(cache.Find(big, &small), (Point{4, 3}));
  SetProcessEventsHandler(nullptr);
  EXPECT_GT(nested.load(), 0);
  // The handler's big image stays; the outer call set its pattern after the handler ran.
  EXPECT_EQ(cache.Find(ByteSet{}, &otherSmall), (Point{1, 2}));
}

TEST(PointSearchCacheThreads, TwoThreadsReplaceAndReuseAtOnce) {
  PointSearchCache cache;
  const ByteSet bigA = BigWith(kSmall, 4, 2), smallA = test::BmpOf(kSmall);
  const ByteSet bigB = BigWith(kOther, 1, 1), smallB = test::BmpOf(kOther);
  auto run = [&](const ByteSet& big, const ByteSet& small, Point expected) {
    for (int i = 0; i < 200; ++i) {
      EXPECT_EQ(cache.Find(big, &small), expected);
      const Point reused = cache.Find(ByteSet{});  // whichever images are kept now
      EXPECT_TRUE(reused == (Point{4, 3}) || reused == (Point{1, 2}) || reused == kNotFound);
    }
  };
  std::thread a(run, std::cref(bigA), std::cref(smallA), Point{4, 3});
  std::thread b(run, std::cref(bigB), std::cref(smallB), Point{1, 2});
  a.join();
  b.join();
}

}  // namespace
}  // namespace pixfarrow
