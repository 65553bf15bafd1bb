#pragma once
// Date-time values as the framework keeps them: days since 1899-12-30 00:00 as a double,
// the time of day as the fraction. Before that day the fraction counts forward from the
// day's start (-1.25 is 1899-12-29 06:00).
#include <cstdint>

namespace quorvela {

inline constexpr double kEarliestDateTime = -657434.0;  // 100-01-01 00:00:00
inline constexpr double kLatestDateTime = 2958465.0;    // 9999-12-31 00:00:00

// A reading of the local clock (what GetLocalTime gives).
struct LocalTime {
  int year = 1970;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// Year clamped to 100..9999, month to 1..12, day to 1..31 and then to the month's length,
// hour to 0..23, minute and second to 0..59, millisecond to 0..999; the milliseconds are
// added as ms / 86400000 days.
double ComposeDateTime(int year, int month, int day, int hour, int minute, int second,
                       int millisecond);

double ComposeDateTime(const LocalTime& time);

enum DateTimePartKind : int { kYearPart = 0, kMonthPart = 2, kDayPart = 4 };

// The value is clamped to the earliest..latest date and rounded to the nearest second
// first, as the system's variant-time conversion does; -1 for a part not listed above.
int DateTimePart(int part, double dateTime);

// Seconds since 1970-01-01 of the value taken as local time, plus the time zone's base bias
// (minutes, UTC = local + bias), rounded to the nearest second with halves away from zero.
// The wide result; DateTimeToUnixSeconds keeps its low 32 bits as a signed value.
std::int64_t DateTimeToUnixSecondsWide(double dateTime, int biasMinutes);
std::int32_t DateTimeToUnixSeconds(double dateTime, int biasMinutes);

// Rounds toward minus infinity; saturates at the int32 range; NaN gives 0.
std::int32_t TruncateToInt(double value);

}  // namespace quorvela
