#pragma once
// The local clock of the system (GetLocalTime) and the time zone's base bias
// (GetTimeZoneInformation), read anew at every call.
#include "app/core/framework/local_clock.h"

namespace quorvela::win {

class SystemClock : public LocalClock {
 public:
  LocalTime now() const override;
  int biasMinutes() const override;
};

}  // namespace quorvela::win
