#include "app/core/framework/date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/core/framework/date_time_text.h"

namespace quorvela {
namespace {

constexpr double kSecond = 1.0 / 86400;

TEST(DateTime, ComposeCountsDaysFrom18991230AndClamps) {
  struct Case {
    int year, month, day, hour, minute, second, millisecond;
    double expected;
  };
  const Case cases[] = {
      {1899, 12, 30, 0, 0, 0, 0, 0.0},
      {1900, 1, 1, 0, 0, 0, 0, 2.0},
      {1970, 1, 1, 12, 0, 0, 0, 25569.5},
      {2026, 12, 9, 18, 50, 0, 0, 46365 + (18 * 3600 + 50 * 60) * kSecond},
      {2026, 12, 9, 18, 50, 0, 250, 46365 + (18 * 3600 + 50 * 60 + 0.25) * kSecond},
      {1899, 12, 29, 6, 0, 0, 0, -1.25},  // before 1899-12-30 the time counts forward
      {100, 1, 1, 0, 0, 0, 0, kEarliestDateTime},
      {9999, 12, 31, 0, 0, 0, 0, kLatestDateTime},
      // Clamps: the day to the month's length, leap years by the Gregorian rule.
      {2024, 2, 31, 0, 0, 0, 0, 45351},  // 2024-02-29
      {2023, 2, 29, 0, 0, 0, 0, 44985},  // 2023-02-28
      {1900, 2, 29, 0, 0, 0, 0, 60},     // 1900-02-28: divisible by 100
      {2000, 2, 30, 0, 0, 0, 0, 36585},  // 2000-02-29: divisible by 400
      {2024, 4, 31, 0, 0, 0, 0, 45412},  // 2024-04-30
      {2024, 0, 0, 0, 0, 0, 0, 45292},   // 2024-01-01
      {2024, 13, 99, 0, 0, 0, 0, 45657},  // 2024-12-31
      {0, 1, 1, 0, 0, 0, 0, kEarliestDateTime},
      {12345, 12, 31, 0, 0, 0, 0, kLatestDateTime},
      {2024, 3, 1, 25, 61, 99, 1500, 45352 + (86399 + 0.999) * kSecond},
      {2024, 3, 1, -1, -1, -1, -1, 45352},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(ComposeDateTime(c.year, c.month, c.day, c.hour, c.minute, c.second, c.millisecond),
                c.expected, 1e-9)
        << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute << ":"
        << c.second << "." << c.millisecond;
  }
}

TEST(DateTime, PartsOfAClampedValueRoundedToTheSecond) {
  struct Case {
    int part;
    double value;
    int expected;
  };
  const double evening = 46365 + (18 * 3600 + 50 * 60) * kSecond;  // 2026-12-09 18:50
  const Case cases[] = {
      {kYearPart, evening, 2026},
      {kMonthPart, evening, 12},
      {kDayPart, evening, 9},
      {kDayPart, -1.25, 29},
      {kMonthPart, -1.25, 12},
      {kYearPart, -1.25, 1899},
      {kDayPart, 45351, 29},                       // leap day
      {kDayPart, 46365 + 86399.4 * kSecond, 9},    // 23:59:59.4 stays
      {kDayPart, 46365 + 86399.6 * kSecond, 10},   // 23:59:59.6 rounds to the next day
      {kMonthPart, 46387 + 86399.6 * kSecond, 1},  // 2026-12-31 into January
      {kYearPart, 46387 + 86399.6 * kSecond, 2027},
      {kYearPart, -1e12, 100},
      {kYearPart, 1e12, 9999},
      {kYearPart, std::nan(""), 100},
      {1, evening, -1},
      {6, evening, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(DateTimePart(c.part, c.value), c.expected) << c.part << " " << c.value;
}

TEST(DateTime, UnixSecondsRoundHalvesAwayFromZeroAndAddTheBias) {
  struct Case {
    double value;
    int bias;
    std::int64_t expected;
  };
  const Case cases[] = {
      {25569.0, 0, 0},
      {25569.5, 0, 43200},
      {25569.0, -480, -28800},  // UTC+8
      {ComposeDateTime(2026, 12, 9, 18, 50, 0, 0), 0, 1796842200},
      {ComposeDateTime(1970, 1, 1, 0, 0, 0, 499), 0, 0},
      {ComposeDateTime(1970, 1, 1, 0, 0, 0, 500), 0, 1},
      {ComposeDateTime(1969, 12, 31, 23, 59, 59, 501), 0, 0},
      {ComposeDateTime(1969, 12, 31, 23, 59, 59, 500), 0, -1},
      {ComposeDateTime(2026, 12, 9, 18, 49, 59, 500), 0, 1796842200},
      // Before 1899-12-30 the time of day still counts forward.
      {-1.25, 0, -2209226400},
      {-1.75, 0, -2209226400 + 43200},
      {kEarliestDateTime, 0, -59011459200},
      {-1e12, 0, -59011459200},
      {std::nan(""), 0, -59011459200},
      {kLatestDateTime, 0, 253402214400},  // 9999-12-31
      {1e12, 60, 253402214400 + 3600},
  };
  for (const Case& c : cases) EXPECT_EQ(DateTimeToUnixSecondsWide(c.value, c.bias), c.expected) << c.value;
}

TEST(DateTime, UnixSecondsKeepTheLow32Bits) {
  EXPECT_EQ(DateTimeToUnixSeconds(ComposeDateTime(2026, 12, 9, 18, 50, 0, 0), -480), 1796842200 - 28800);
  EXPECT_EQ(DateTimeToUnixSeconds(-1.25, 0), 2085740896);
  EXPECT_EQ(DateTimeToUnixSeconds(ParseDateTimeText("-"), 0),
            static_cast<std::int32_t>(-59011459200));
}

TEST(DateTime, TruncateToIntRoundsDown) {
  struct Case {
    double value;
    std::int32_t expected;
  };
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  const Case cases[] = {
      {0.0, 0},        {59.98, 59},     {3599 / 60.0, 59}, {-1 / 60.0, -1}, {-59 / 60.0, -1},
      {-1.0, -1},      {-61 / 60.0, -2}, {1e12, kMax},     {-1e12, kMin},   {std::nan(""), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(TruncateToInt(c.value), c.expected) << c.value;
}

}  // namespace
}  // namespace quorvela
