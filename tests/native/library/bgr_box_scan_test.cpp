#include "library/core/bgr_box_scan.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace pixfarrow {
namespace {

// Both ways against the plain reading of the box, on rows of every length up to 70 pixels
// (each in a buffer of exactly its size, so ASan sees a read past it), with boxes that hold
// a small share of the colours so that hits lie anywhere, or nowhere.
TEST(BoxScan, BothWaysFindTheFirstPixelInsideTheBox) {
#if defined(__i386__) || defined(__x86_64__)
  ASSERT_TRUE(BoxScan::HasSse2());  // else the SSE2 way below is the plain one again
#endif
  std::mt19937 rng(5);
  for (const std::size_t bytes : {3u, 4u}) {
    for (int round = 0; round < 3000; ++round) {
      const std::size_t count = rng() % 71;
      ColourBox box;
      for (std::size_t k = 0; k < 3; ++k) {
        const int a = static_cast<int>(rng() % 256), b = std::min(255, a + static_cast<int>(rng() % 160));
        box.low[k] = static_cast<std::uint8_t>(a);
        box.high[k] = static_cast<std::uint8_t>(b);
      }
      std::vector<std::uint8_t> pixels(count * bytes);
      for (std::uint8_t& v : pixels) v = static_cast<std::uint8_t>(rng());
      std::size_t want = kNoPixel;
      for (std::size_t i = 0; i < count && want == kNoPixel; ++i) {
        const std::uint8_t* p = pixels.data() + i * bytes;
        if (box.Holds(p[0], p[1], p[2])) want = i;
      }
      const BoxScan scan(box, bytes);
      ASSERT_EQ(scan.FindPortable(pixels.data(), count), want) << bytes << " " << round;
      ASSERT_EQ(scan.FindSse2(pixels.data(), count), want) << bytes << " " << round;
      ASSERT_EQ(scan.Find(pixels.data(), count), want) << bytes << " " << round;
    }
  }
}

// The bounds are inclusive, and the fourth byte of a 32-bit pixel plays no part.
TEST(BoxScan, BoundsAreInclusiveAndTheFourthByteIsIgnored) {
  ColourBox box;
  box.low = {10, 20, 30};
  box.high = {10, 25, 255};
  std::vector<std::uint8_t> row(20 * 4, 0);
  row[17 * 4 + 0] = 10, row[17 * 4 + 1] = 25, row[17 * 4 + 2] = 255, row[17 * 4 + 3] = 99;
  row[18 * 4 + 0] = 10, row[18 * 4 + 1] = 20, row[18 * 4 + 2] = 30;
  const BoxScan scan(box, 4);
  EXPECT_EQ(scan.FindPortable(row.data(), 20), 17u);
  EXPECT_EQ(scan.FindSse2(row.data(), 20), 17u);
  row[17 * 4 + 1] = 26;
  EXPECT_EQ(scan.FindSse2(row.data(), 20), 18u);
  EXPECT_EQ(scan.FindSse2(row.data(), 18), kNoPixel);
}

}  // namespace
}  // namespace pixfarrow
