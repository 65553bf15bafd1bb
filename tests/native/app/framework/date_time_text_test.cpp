#include "app/core/framework/date_time_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/core/framework/date_time.h"

namespace quorvela {
namespace {

TEST(DateTimeText, ReadsFormOne) {
  struct Case {
    std::string text;
    std::optional<double> expected;  // nothing: does not parse
  };
  const double evening = ComposeDateTime(2026, 12, 9, 18, 50, 0, 0);
  const Case cases[] = {
      {"2026年12月9日18时50分0秒", evening},
      {"2026年12月9日18时50分0", evening},
      {"2026-12-09 18:50:00", evening},
      {"2026/12/9 18.50.0秒", evening},
      {"2026年12月9日18时50分0秒 and what follows", evening},
      {"2026年12月9日时50分秒", ComposeDateTime(2026, 12, 9, 0, 50, 0, 0)},  // empty entries are 0
      {"2026年12月9日", ComposeDateTime(2026, 12, 9, 0, 0, 0, 0)},
      {"2026", ComposeDateTime(2026, 1, 1, 0, 0, 0, 0)},
      {"2026年2月30日", ComposeDateTime(2026, 2, 28, 0, 0, 0, 0)},  // clamped
      {"2026年12月9日99时99分99秒", ComposeDateTime(2026, 12, 9, 23, 59, 59, 0)},
      {"20261209", ComposeDateTime(2026, 12, 9, 0, 0, 0, 0)},  // digits counted per field
      {"秒", kEarliestDateTime},  // every field missing, clamped to 100-01-01
      {"", std::nullopt},
      {"2026年12月9日-时50分0秒", std::nullopt},  // "-" alone in the hour entry
      {"2026年12月9日5-时50分0秒", std::nullopt},
      {"2026年12月9日18时50分-秒", std::nullopt},
      {"2026年12月9日18时50分0x", std::nullopt},
      {"2026年12月9日ab时50分0秒", std::nullopt},
      {"2026年12月9日18时50分123秒", std::nullopt},  // three digits where two may stand
      {std::string("2026\xE5\xB9", 6), std::nullopt},  // cut inside a character
      {std::string("2026\xFF\x80", 6), std::nullopt},
  };
  for (const Case& c : cases) {
    const auto parsed = TryParseDateTimeText(c.text);
    ASSERT_EQ(parsed.has_value(), c.expected.has_value()) << c.text;
    if (parsed) {
      EXPECT_DOUBLE_EQ(*parsed, *c.expected) << c.text;
    }
    EXPECT_DOUBLE_EQ(ParseDateTimeText(c.text), c.expected.value_or(kEarliestDateTime)) << c.text;
  }
}

}  // namespace
}  // namespace quorvela
