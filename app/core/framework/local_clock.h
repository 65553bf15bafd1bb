#pragma once
// The local clock and the time zone's base bias, read anew at every call.
#include "app/core/framework/date_time.h"

namespace quorvela {

class LocalClock {
 public:
  virtual ~LocalClock() = default;
  virtual LocalTime now() const = 0;
  // Minutes, UTC = local time + bias (daylight saving not included).
  virtual int biasMinutes() const = 0;
};

// The local time as a date-time value, milliseconds included.
inline double CurrentDateTime(const LocalClock& clock) { return ComposeDateTime(clock.now()); }

}  // namespace quorvela
