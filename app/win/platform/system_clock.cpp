#include "app/win/platform/system_clock.h"

#include <windows.h>

namespace quorvela::win {

LocalTime SystemClock::now() const {
  SYSTEMTIME time{};
  GetLocalTime(&time);
  return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond, time.wMilliseconds};
}

int SystemClock::biasMinutes() const {
  TIME_ZONE_INFORMATION zone{};
  // The base bias only; the daylight-saving bias is not added.
  return GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID ? 0 : static_cast<int>(zone.Bias);
}

}  // namespace quorvela::win
