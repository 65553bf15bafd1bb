#pragma once
// The timed run: checks the three time entries as they are typed, arms a countdown to a
// time of day today, shows the time left in the entries once a second and, at the moment,
// puts the entries back and starts a run as the run button would. GUI thread only.
//
// Each toggle and each tick reads the clock once and derives every field from that one
// reading, so that a second boundary between two readings cannot show 1 / 59 / 59 for
// 1:00:00, or compose a date at midnight from two days. Moments are 64-bit seconds.
#include <array>
#include <cstdint>
#include <string>

#include "app/core/framework/local_clock.h"
#include "app/core/object/vol_stream.h"
#include "app/core/timed_run/timed_run_port.h"

namespace quorvela {

// What the timed-run handler keeps besides its controls.
struct TimedRunValues {
  // The entries' texts (hour, minute, second) when the countdown was armed; written back
  // when it stops.
  std::array<std::string, 3> savedEditTexts;
  // The set moment in the seconds of DateTimeToUnixSecondsWide.
  std::int64_t targetTime = 0;
};

// savedEditTexts as texts, then targetTime as 4 bytes (its low 32 bits, read back
// sign-extended).
void readMember(VolStream& stream, TimedRunValues& values);
void writeMember(VolStream& stream, const TimedRunValues& values);

// Corrects the edit's text at once (leading zero dropped, 0..23 or 0..59), one warning
// line per correction.
void ValidateTimeEdit(TimeEdit sender, TimedRunPort& port);
// Disarms a countdown, or arms one for the time of day in the entries.
void ToggleTimedRun(TimedRunValues& values, TimedRunPort& port);
// One tick of the countdown timer.
void TimedRunTick(TimedRunValues& values, TimedRunPort& port);
void StopTimedRun(const TimedRunValues& values, TimedRunPort& port);

// The whole seconds until the set moment, from a reading of the clock.
std::int32_t SecondsUntilTarget(const TimedRunValues& values, const LocalClock& clock);
// The time left as the entries show it: whole hours (truncated toward zero), and the
// minutes after them (rounded down).
std::string RemainingHoursText(std::int32_t secondsLeft);
std::string RemainingMinutesText(std::int32_t secondsLeft);

}  // namespace quorvela
