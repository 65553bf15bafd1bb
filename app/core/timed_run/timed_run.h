#pragma once
// The timed run: checks the three time entries as they are typed, arms a countdown to a
// time of day today, shows the time left in the entries once a second and, at the moment,
// puts the entries back and starts a run as the run button would. GUI thread only.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/core/framework/local_clock.h"
#include "app/core/object/vol_stream.h"
#include "app/core/timed_run/timed_run_ports.h"

namespace quorvela {

// Each toggle and each tick reads the clock once and derives every field from that one
// reading, so that a second boundary between two readings cannot show 1 / 59 / 59 for
// 1:00:00, or compose a date at midnight from two days. Moments are 64-bit seconds.
class TimedRun {
 public:
  TimedRun(TimedRunPorts& ports, const LocalClock& clock) : ports_(&ports), clock_(&clock) {}
  TimedRun(const TimedRun&) = delete;
  // Copies the saved texts and the target; keeps this object's controls and clock.
  TimedRun& operator=(const TimedRun& other);

  void useClock(const LocalClock& clock) { clock_ = &clock; }

  // Corrects the edit's text at once (leading zero dropped, 0..23 or 0..59), one warning
  // line per correction.
  void validateTimeEdit(TimeEdit sender);
  // Disarms a countdown, or arms one for the time of day in the entries.
  void toggleTimedRun();
  // One tick of the countdown timer.
  void timedRunTick();
  void stopTimedRun();

  // The whole seconds until the set moment, from a reading of the clock.
  std::int32_t secondsUntilTarget() const;
  // The time left as the entries show it: whole hours (truncated toward zero), and the
  // minutes after them (rounded down).
  static std::string remainingHoursText(std::int32_t secondsLeft);
  static std::string remainingMinutesText(std::int32_t secondsLeft);

  // savedEditTexts (hour, minute, second) as texts, then targetTime as 4 bytes (its low
  // 32 bits, read back sign-extended).
  void readMembers(VolStream& stream);
  void writeMembers(VolStream& stream) const;

  // The entries' texts when the countdown was armed; written back when it stops.
  std::array<std::string, 3> savedEditTexts;
  // The set moment in the seconds of DateTimeToUnixSecondsWide.
  std::int64_t targetTime = 0;

 private:
  struct Reading {
    double dateTime;
    int biasMinutes;
    std::int64_t seconds;  // DateTimeToUnixSecondsWide of dateTime
  };

  std::string text(TimeEdit edit) const { return ports_->editText(edit); }
  Reading readClock() const;
  std::int32_t secondsLeftAt(const Reading& now) const;
  // The moment on the reading's day that the entries name; nothing when an entry is not a
  // number.
  std::optional<std::int64_t> enteredMoment(const Reading& now, const std::string& hour,
                                            const std::string& minute, const std::string& second) const;
  void arm(std::int32_t secondsLeft);

  TimedRunPorts* ports_;
  const LocalClock* clock_;
};

}  // namespace quorvela
