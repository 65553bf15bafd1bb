#include "app/core/text/text_number.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace quorvela {
namespace {

TEST(TextNumber, TextToIntReadsTheLeadingNumber) {
  struct Case {
    std::string text;
    std::int32_t expected;
  };
  const Case cases[] = {
      {"", 0},     {"-", 0},   {"5-", 5},    {"-5", -5},        {"05", 5},
      {" \t7", 7}, {"+3", 3},  {"ab", 0},    {"1时", 1},        {"- 5", 0},
      {"2147483647", std::numeric_limits<std::int32_t>::max()},
      {"99999999999999999999", std::numeric_limits<std::int32_t>::max()},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"-99999999999999999999", std::numeric_limits<std::int32_t>::min()},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToInt(c.text), c.expected) << c.text;
}

TEST(TextNumber, LeftAndRightCountCharactersNotBytes) {
  struct Case {
    std::string text;
    int count;
    std::string left, right;
  };
  const Case cases[] = {
      {"05", 1, "0", "5"},
      {"", 1, "", ""},
      {"7", 1, "7", "7"},
      {"0时", 1, "0", "时"},
      {"时0", 1, "时", "0"},
      {"时分秒", 2, "时分", "分秒"},
      {"ab", 5, "ab", "ab"},
      {"ab", 0, "", ""},
      {std::string("0\xE6", 2), 1, "0", "\xE6"},  // a broken sequence is one character
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LeftText(c.text, c.count), c.left) << c.text;
    EXPECT_EQ(RightText(c.text, c.count), c.right) << c.text;
  }
}

TEST(TextNumber, WideLengthCountsUtf16Units) {
  EXPECT_EQ(WideLength(""), 0);
  EXPECT_EQ(WideLength("05"), 2);
  EXPECT_EQ(WideLength("0时"), 2);
  EXPECT_EQ(WideLength("0\xF0\x9F\x98\x80"), 3);  // a character outside the BMP is two units
}

}  // namespace
}  // namespace quorvela
