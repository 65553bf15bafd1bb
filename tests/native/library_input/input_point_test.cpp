#include "library/win/input/rules/input_point.h"

#include <gtest/gtest.h>

namespace {

using pixfarrow::input::ClientPoint;
using pixfarrow::input::InputPoint;

TEST(InputPoint, NinetyOneAndEightySixPercentTruncated) {
  struct Case {
    int width, height;
    ClientPoint expected;
  };
  const Case cases[] = {
      {801, 599, {728, 515}},  // 728.91 and 515.14
      {800, 600, {728, 516}},
      {100, 100, {91, 86}},
      {5, 5, {4, 4}},          // 4.55 and 4.3: truncated, not rounded
      {199, 199, {181, 171}},  // 181.09 and 171.14
      {1, 1, {0, 0}},
      {0, 0, {0, 0}},
      {3840, 2160, {3494, 1857}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InputPoint(c.width, c.height), c.expected) << c.width << " x " << c.height;
  }
}

TEST(InputPoint, NegativeSizesTruncateTowardZero) {
  EXPECT_EQ(InputPoint(-5, -5), (ClientPoint{-4, -4}));
}

}  // namespace
