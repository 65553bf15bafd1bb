#pragma once
// The timed run: checks the three time entries as they are typed, arms a countdown to a
// time of day today, shows the time left in the entries once a second and, at the moment,
// puts the entries back and starts a run as the run button would. GUI thread only.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/core/date/local_clock.h"
#include "app/core/timed_run/timed_run_ports.h"
#include "app/core/vol_stream.h"

namespace quorvela {

class TimedRun {
 public:
  TimedRun(TimedRunPorts& ports, const LocalClock& clock) : ports_(&ports), clock_(&clock) {}
  TimedRun(const TimedRun&) = delete;
  // Copies the saved texts and the target; keeps this object's controls and clock.
  TimedRun& operator=(const TimedRun& other);

  // Corrects the edit's text at once (leading zero dropped, 0..23 or 0..59), one warning
  // line per correction.
  void validateTimeEdit(TimeEdit sender);
  // Disarms a countdown, or arms one for the time of day in the entries.
  void toggleTimedRun();
  // One tick of the countdown timer.
  void timedRunTick();
  void stopTimedRun();

  std::int32_t secondsUntilTarget() const;
  std::string remainingHoursText() const;
  std::string remainingMinutesText() const;

  // savedEditTexts (hour, minute, second) as texts, then targetTime as 4 bytes.
  void readMembers(VolStream& stream);
  void writeMembers(VolStream& stream) const;

  // The entries' texts when the countdown was armed; written back when it stops.
  std::array<std::string, 3> savedEditTexts;
  // The set moment in the seconds of DateTimeToUnixSeconds.
  std::int32_t targetTime = 0;

 private:
  std::string text(TimeEdit edit) const { return ports_->editText(edit); }
  std::int32_t nowSeconds() const;
  // The moment today that the entries name; nothing when an entry is not a number.
  std::optional<std::int32_t> enteredMoment(const std::string& hour, const std::string& minute,
                                            const std::string& second) const;
  void arm();

  TimedRunPorts* ports_;
  const LocalClock* clock_;
};

}  // namespace quorvela
