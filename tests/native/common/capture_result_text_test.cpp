#include "common/capture_result_text.h"

#include <gtest/gtest.h>

namespace {

constexpr char kSep[] = "\xB7\xD6\xB8\xEE";  // 分割 in GBK

TEST(CaptureResultText, FormatsAddressSeparatorLength) {
  EXPECT_EQ(qv::FormatCaptureResultText(4096, 54), std::string("4096") + kSep + "54");
  EXPECT_EQ(qv::FormatCaptureResultText(0, 0), std::string("0") + kSep + "0");
}

TEST(CaptureResultText, ParsesExactlyTwoDecimalParts) {
  struct Case {
    std::string text;
    bool ok;
    std::int32_t address, length;
  };
  const Case cases[] = {
      {std::string("4096") + kSep + "54", true, 4096, 54},
      {std::string("-12") + kSep + "7", true, -12, 7},
      {std::string("0") + kSep + "0", true, 0, 0},
      {"4096-54", false, 0, 0},
      {std::string(kSep) + "54", false, 0, 0},
      {std::string("1") + kSep, false, 0, 0},
      {std::string("1") + kSep + "2" + kSep + "3", false, 0, 0},
      {std::string("1x") + kSep + "2", false, 0, 0},
      {std::string("99999999999") + kSep + "2", false, 0, 0},
  };
  for (const auto& c : cases) {
    auto got = qv::ParseCaptureResultText(c.text);
    ASSERT_EQ(got.has_value(), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(got->address, c.address);
      EXPECT_EQ(got->length, c.length);
    }
  }
}

}  // namespace
