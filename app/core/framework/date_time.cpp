#include "app/core/framework/date_time.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quorvela {
namespace {

constexpr int kUnixEpochSerial = 25569;  // 1970-01-01
constexpr double kMaxUnixDays = 3615897.0;
constexpr int kSecondsPerDay = 86400;

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t daysFromCivil(int year, int month, int day) {
  const std::int64_t y = year - (month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
  int year;
  int month;
  int day;
};

CivilDate civilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return {year, month, day};
}

// NaN counts as the earliest date.
double clampDateTime(double value) {
  if (!(value >= kEarliestDateTime)) return kEarliestDateTime;
  return std::min(value, kLatestDateTime);
}

// Half away from zero.
std::int64_t roundDivide(std::int64_t value, std::int64_t divisor) {
  return value >= 0 ? (value + divisor / 2) / divisor : -((-value + divisor / 2) / divisor);
}

}  // namespace

double ComposeDateTime(int year, int month, int day, int hour, int minute, int second,
                       int millisecond) {
  year = std::clamp(year, 100, 9999);
  month = std::clamp(month, 1, 12);
  day = std::clamp(day, 1, 31);
  day = std::min(day, daysInMonth(year, month));
  hour = std::clamp(hour, 0, 23);
  minute = std::clamp(minute, 0, 59);
  second = std::clamp(second, 0, 59);
  millisecond = std::clamp(millisecond, 0, 999);

  const double serial = static_cast<double>(daysFromCivil(year, month, day) + kUnixEpochSerial);
  const double fraction = (hour * 3600 + minute * 60 + second) / static_cast<double>(kSecondsPerDay);
  const double value = serial >= 0 ? serial + fraction : serial - fraction;
  return value + millisecond / 86400000.0;
}

double ComposeDateTime(const LocalTime& time) {
  return ComposeDateTime(time.year, time.month, time.day, time.hour, time.minute, time.second,
                         time.millisecond);
}

int DateTimePart(int part, double dateTime) {
  dateTime = clampDateTime(dateTime);
  const double wholeDays = std::trunc(dateTime);
  const auto seconds = std::llround(std::fabs(dateTime - wholeDays) * kSecondsPerDay);
  // A time of day that rounds up to midnight belongs to the next day.
  const auto serial = static_cast<std::int64_t>(wholeDays) + (seconds >= kSecondsPerDay ? 1 : 0);
  const CivilDate date = civilFromDays(serial - kUnixEpochSerial);
  switch (part) {
    case kYearPart: return date.year;
    case kMonthPart: return date.month;
    case kDayPart: return date.day;
    default: return -1;
  }
}

std::int64_t DateTimeToUnixSecondsWide(double dateTime, int biasMinutes) {
  dateTime = clampDateTime(dateTime);
  const double linear =
      dateTime < -0.5 / kSecondsPerDay ? 2 * std::ceil(dateTime) - dateTime : dateTime;
  const double days = std::clamp(linear - kUnixEpochSerial, -kMaxUnixDays, kMaxUnixDays);
  // Whole milliseconds first, so a value built from milliseconds rounds at an exact half.
  const std::int64_t milliseconds = std::llround(days * kSecondsPerDay * 1000.0);
  return roundDivide(milliseconds, 1000) + std::int64_t{biasMinutes} * 60;
}

std::int32_t DateTimeToUnixSeconds(double dateTime, int biasMinutes) {
  return static_cast<std::int32_t>(DateTimeToUnixSecondsWide(dateTime, biasMinutes));
}

std::int32_t TruncateToInt(double value) {
  if (std::isnan(value)) return 0;
  const double down = std::floor(value);
  if (down <= std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  if (down >= std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(down);
}

}  // namespace quorvela
