#include "library/core/tolerant_match.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "library/core/byte_range_scan.h"
#include "tolerant_match_reference.h"

namespace pixfarrow {
namespace {

using test::PlainFindByteNear;
using test::PlainFindBytesNear;

TEST(TolerantMatch, FindByteNear) {
  const ByteSet bytes = {5, 9, 12};
  struct Case {
    int target, tolerance;
    std::int64_t start, want;
  };
  for (const Case& c : {
           Case{10, 1, 0, 2},   // 9 is within 1 of 10
           Case{10, 2, 3, 3},   // from the third byte on
           Case{10, 0, 0, -1},  // exact: no 10
           Case{9, 0, -5, 2},   // a start below 1 searches from the first byte
           Case{9, 0, 3, -1},   // the only 9 lies before start
           Case{12, 0, 4, -1},  // start beyond the end
           Case{10, -1, 0, -1}, // negative tolerance
           Case{300, 288, 0, 3},  // target outside the byte range, tolerance reaching back into it
           Case{-3, 8, 0, 1},
           Case{0, 255, 2, 2},
       }) {
    EXPECT_EQ(FindByteNear(bytes, c.target, c.tolerance, c.start), c.want)
        << "target " << c.target << " tolerance " << c.tolerance << " start " << c.start;
  }
  EXPECT_EQ(FindByteNear({}, 0, 255, 1), -1);
}

TEST(TolerantMatch, FindBytesNear) {
  struct Case {
    const char* name;
    ByteSet haystack, pattern;
    std::int64_t start;
    int wildcard, tolerance;
    std::int64_t want;
  };
  const ByteSet h = {7, 200, 9, 7, 0, 9};
  for (const Case& c : {
           Case{"wildcard 0 by default", h, {7, 0, 9}, 0, 0, 0, 1},
           Case{"no wildcard: exact", h, {7, 0, 9}, 0, -1, 0, 4},
           Case{"exact from a later start", h, {7, 0, 9}, 2, -1, 0, 4},
           Case{"first byte is never a wildcard at tolerance 0", {1, 5, 9}, {0, 5}, 0, 0, 0, -1},
           Case{"first byte equal to the wildcard must be equal", {0, 5, 9}, {0, 5}, 0, 0, 0, 1},
           Case{"tolerance on every byte", {10, 20, 30, 11, 21, 29}, {12, 20, 30}, 0, -1, 1, 4},
           Case{"tolerance with a wildcard, first byte too", {50, 20, 30}, {99, 21, 99}, 0, 99, 1, 1},
           Case{"all wildcards: the first candidate", {1, 2, 3, 4}, {99, 99}, 3, 99, 2, 3},
           Case{"all wildcards past the last candidate", {1, 2, 3, 4}, {99, 99}, 4, 99, 2, -1},
           Case{"empty pattern", h, {}, 0, 0, 3, -1},
           Case{"pattern longer than the haystack", {1, 2}, {1, 2, 3}, 0, -1, 5, -1},
           Case{"negative tolerance matches only wildcards", {1, 2, 3}, {7, 2}, 0, 7, -1, -1},
           Case{"negative tolerance, all wildcards", {1, 2, 3}, {7, 7}, 0, 7, -1, 1},
           Case{"wildcard outside the byte range", {1, 2, 3}, {2, 3}, 0, 300, 0, 2},
           Case{"match ending on the last byte", {9, 9, 9, 1, 2}, {0, 3}, 0, -1, 1, 4},
       }) {
    EXPECT_EQ(FindBytesNear(c.haystack, c.pattern, c.start, c.wildcard, c.tolerance), c.want) << c.name;
  }
}

TEST(TolerantMatch, BytesNear) {
  struct Case {
    const char* name;
    ByteSet data, pattern;
    int wildcard, tolerance, want;
  };
  for (const Case& c : {
           Case{"lengths differ", {1, 2, 3}, {1, 2}, -1, 0, 0},
           Case{"within tolerance", {1, 2, 3}, {2, 2, 4}, -1, 1, 1},
           Case{"beyond tolerance", {1, 2, 3}, {3, 2, 3}, -1, 1, 0},
           Case{"exact", {1, 2, 3}, {1, 2, 3}, -1, 0, 1},
           Case{"wildcard on the first byte", {1, 2, 3}, {0, 2, 3}, 0, 0, 1},
           Case{"wildcard elsewhere", {1, 2, 3}, {1, 0, 0}, 0, 0, 1},
           Case{"both empty", {}, {}, -1, 0, 1},
           Case{"negative tolerance", {1}, {1}, -1, -1, 0},
       }) {
    EXPECT_EQ(BytesNear(c.data, c.pattern, c.wildcard, c.tolerance), c.want) << c.name;
  }
}

// The word-at-a-time scans agree with the plain rules on random palette-like data: long
// runs of a few values, every alignment, every range width.
TEST(TolerantMatch, FastScansAgreeWithThePlainRules) {
  std::mt19937 random(20261210);
  for (int round = 0; round < 3000; ++round) {
    ByteSet bytes(random() % 70);
    const std::uint8_t base = static_cast<std::uint8_t>(random());
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random() % 4 == 0 ? random() : base + random() % 3);
    const int target = static_cast<int>(random() % 300) - 20;
    const int tolerance = static_cast<int>(random() % 5 == 0 ? random() % 256 : random() % 4);
    const std::int64_t start = static_cast<std::int64_t>(random() % 80) - 5;
    ASSERT_EQ(FindByteNear(bytes, target, tolerance, start), PlainFindByteNear(bytes, target, tolerance, start))
        << "round " << round;

    ByteSet pattern(1 + random() % 4);
    for (auto& b : pattern) {
      b = bytes.empty() || random() % 3 == 0 ? static_cast<std::uint8_t>(random() % 4) : bytes[random() % bytes.size()];
    }
    const int wildcard = random() % 2 == 0 ? -1 : static_cast<int>(random() % 4);
    ASSERT_EQ(FindBytesNear(bytes, pattern, start, wildcard, tolerance % 4),
              PlainFindBytesNear(bytes, pattern, start, wildcard, tolerance % 4))
        << "round " << round;
  }
}

TEST(TolerantMatch, RangeScanAtEveryOffsetAndWidth) {
  // One hit in a field of bytes just outside the range, at every position of a word.
  for (int low : {0, 1, 100, 127, 128, 200, 254}) {
    for (int width : {1, 2, 3, 64, 128, 129, 256}) {
      const int high = std::min(255, low + width - 1);
      if (low == 0 && high == 255) continue;  // nothing lies outside
      const std::uint8_t outside = static_cast<std::uint8_t>(high < 255 ? high + 1 : low - 1);
      for (std::size_t at = 0; at < 20; ++at) {
        ByteSet bytes(20, outside);
        bytes[at] = static_cast<std::uint8_t>(high);
        SCOPED_TRACE(std::to_string(low) + ".." + std::to_string(high) + " at " + std::to_string(at));
        EXPECT_EQ(FindByteInRange(bytes.data(), bytes.size(), 0, static_cast<std::uint8_t>(low),
                                  static_cast<std::uint8_t>(high)),
                  at);
        EXPECT_EQ(FindByteInRange(bytes.data(), bytes.size(), at + 1, static_cast<std::uint8_t>(low),
                                  static_cast<std::uint8_t>(high)),
                  kNoMatch);
      }
    }
  }
}

}  // namespace
}  // namespace pixfarrow
