#include "library/core/byte_set.h"

#include <gtest/gtest.h>

#include <random>

#include "library/core/byte_scan.h"

namespace pixfarrow {
namespace {

ByteSet B(std::initializer_list<int> v) {
  ByteSet out;
  for (int x : v) out.push_back(static_cast<std::uint8_t>(x));
  return out;
}

TEST(ByteSet, BytesFromPointerCopiesAndNeverReadsForZeroLength) {
  const std::uint8_t data[] = {1, 2, 3};
  EXPECT_EQ(BytesFromPointer(data, 3), B({1, 2, 3}));
  EXPECT_TRUE(BytesFromPointer(nullptr, 0).empty());
  EXPECT_TRUE(BytesFromPointer(reinterpret_cast<const std::uint8_t*>(16), 0).empty());
  EXPECT_TRUE(BytesFromPointer(data, -5).empty());
}

TEST(ByteSet, BytesMidClipsAtTheEnd) {
  const ByteSet bytes = B({1, 2, 3, 4, 5});
  struct Case {
    std::int64_t start, n;
    ByteSet want;
  };
  const Case cases[] = {
      {1, 2, B({1, 2})}, {4, 5, B({4, 5})}, {5, 1, B({5})}, {6, 1, {}}, {0, 2, {}}, {2, 0, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(BytesMid(bytes, c.start, c.n), c.want) << c.start << "," << c.n;
}

TEST(ByteSet, FindBytesGivesTheFirstOccurrenceAtOrAfterStart) {
  const ByteSet hay = B({7, 1, 2, 1, 2, 1, 2, 9});
  struct Case {
    ByteSet needle;
    std::int64_t start, want;
  };
  const Case cases[] = {
      {B({1, 2}), 1, 2},  {B({1, 2}), 2, 2},  {B({1, 2}), 3, 4}, {B({1, 2}), 7, -1},
      {B({2, 9}), 1, 7},  {B({9}), 8, 8},     {B({9}), 9, -1},   {B({}), 1, -1},
      {B({1, 2, 1, 2, 1, 2, 9, 9, 9}), 1, -1}, {B({7}), 0, 1},     {B({5}), 1, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(FindBytes(hay, c.needle, c.start), c.want) << c.start;
}

// The scan for a rare byte must agree with the plain definition on data that is mostly one
// value, at every alignment of the word scan.
TEST(ByteSet, FindBytesAgreesWithPlainSearchOnSkewedData) {
  std::mt19937 rng(7);
  for (int round = 0; round < 300; ++round) {
    ByteSet hay(rng() % 200 + 1, 0);
    for (auto& b : hay) b = rng() % 8 == 0 ? static_cast<std::uint8_t>(rng() % 4) : 0;
    ByteSet needle(rng() % 5 + 1);
    for (auto& b : needle) b = static_cast<std::uint8_t>(rng() % 4);
    const std::int64_t start = static_cast<std::int64_t>(rng() % (hay.size() + 2));
    std::int64_t want = -1;
    for (std::int64_t p = std::max<std::int64_t>(start, 1); p + static_cast<std::int64_t>(needle.size()) - 1 <=
                                                             static_cast<std::int64_t>(hay.size());
         ++p) {
      if (std::equal(needle.begin(), needle.end(), hay.begin() + (p - 1))) {
        want = p;
        break;
      }
    }
    ASSERT_EQ(FindBytes(hay, needle, start), want) << "round " << round;
  }
}

TEST(ByteScan, FindByteHitsEveryOffsetAndStopsAtTheEnd) {
  for (std::size_t size = 0; size < 40; ++size) {
    for (std::size_t at = 0; at < size; ++at) {
      ByteSet data(size, 0x11);
      data[at] = 0x80;
      EXPECT_EQ(FindByte(data.data(), size, 0, 0x80), at);
      EXPECT_EQ(FindByte(data.data(), size, at + 1, 0x80), kNoMatch);
      EXPECT_EQ(FindByte(data.data(), at, 0, 0x80), kNoMatch);  // a hit just past the end is not seen
    }
  }
}

TEST(ByteSet, RemainderKeepsTheSignOfTheDividendAndIntDivideTruncates) {
  EXPECT_EQ(Remainder(7, 4), 3);
  EXPECT_EQ(Remainder(-7, 4), -3);
  EXPECT_EQ(Remainder(4 - Remainder(8, 4), 4), 0);
  EXPECT_EQ(IntDivide(7, 2), 3);
  EXPECT_EQ(IntDivide(-7, 2), -3);
}

}  // namespace
}  // namespace pixfarrow
