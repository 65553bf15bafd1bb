// The date services against the system's own: the local clock, the time zone and the
// variant-time conversions of oleaut32.
#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <ctime>

#include "app/core/framework/date_time.h"
#include "app/win/platform/system_clock.h"

namespace quorvela::win {
namespace {

TEST(DateServices, LocalClockAndBiasGiveTheSystemsUnixTime) {
  SystemClock clock;
  TIME_ZONE_INFORMATION zone{};
  const bool daylight = GetTimeZoneInformation(&zone) == TIME_ZONE_ID_DAYLIGHT;
  const std::int64_t seconds = DateTimeToUnixSecondsWide(CurrentDateTime(clock), clock.biasMinutes()) +
                               (daylight ? std::int64_t{zone.DaylightBias} * 60 : 0);
  EXPECT_NEAR(static_cast<double>(seconds), static_cast<double>(std::time(nullptr)), 2.0);
}

TEST(DateServices, ComposeAgreesWithSystemTimeToVariantTime) {
  struct Case {
    WORD year, month, day, hour, minute, second;
  };
  const Case cases[] = {
      {1899, 12, 30, 0, 0, 0},  {1899, 12, 29, 6, 0, 0},   {100, 1, 1, 0, 0, 0},
      {9999, 12, 31, 23, 59, 59}, {1900, 2, 28, 12, 0, 0}, {2000, 2, 29, 18, 50, 0},
      {2024, 2, 29, 23, 59, 59}, {2026, 12, 9, 18, 50, 0}, {1600, 3, 1, 1, 2, 3},
  };
  for (const Case& c : cases) {
    SYSTEMTIME time{};
    time.wYear = c.year;
    time.wMonth = c.month;
    time.wDay = c.day;
    time.wHour = c.hour;
    time.wMinute = c.minute;
    time.wSecond = c.second;
    double expected = 0;
    ASSERT_TRUE(SystemTimeToVariantTime(&time, &expected)) << c.year;
    EXPECT_NEAR(ComposeDateTime(c.year, c.month, c.day, c.hour, c.minute, c.second, 0), expected, 1e-9)
        << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(DateServices, PartsAgreeWithVariantTimeToSystemTime) {
  const double values[] = {0.0,     -1.25,   -1.75,    2.0,      45351.5, 46365.999994,
                           46387.9999943, -657434.0, 2958465.0, -0.25, 60.0, 36585.75};
  for (const double value : values) {
    SYSTEMTIME time{};
    ASSERT_TRUE(VariantTimeToSystemTime(value, &time)) << value;
    EXPECT_EQ(DateTimePart(kYearPart, value), time.wYear) << value;
    EXPECT_EQ(DateTimePart(kMonthPart, value), time.wMonth) << value;
    EXPECT_EQ(DateTimePart(kDayPart, value), time.wDay) << value;
  }
}

}  // namespace
}  // namespace quorvela::win
