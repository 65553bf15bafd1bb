#include "app/core/timed_run/timed_run.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "app/core/framework/date_time_text.h"
#include "app/core/run/run_state.h"
#include "app/core/text/text_number.h"
#include "app/core/timed_run/timed_run_texts.h"

namespace quorvela {
namespace texts = timed_run_texts;

namespace {

std::int32_t saturate(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::size_t indexOf(TimeEdit edit) { return static_cast<std::size_t>(edit); }

std::string text(TimedRunPort& port, TimeEdit edit) { return port.editText(edit); }

struct Reading {
  double dateTime;
  int biasMinutes;
  std::int64_t seconds;  // DateTimeToUnixSecondsWide of dateTime
};

Reading readClock(const LocalClock& clock) {
  const double now = CurrentDateTime(clock);
  const int bias = clock.biasMinutes();
  return {now, bias, DateTimeToUnixSecondsWide(now, bias)};
}

std::int32_t secondsLeftAt(const TimedRunValues& values, const Reading& now) {
  return saturate(values.targetTime - now.seconds);
}

// The moment on the reading's day that the entries name; nothing when an entry is not a
// number.
std::optional<std::int64_t> enteredMoment(const Reading& now, const std::string& hour, const std::string& minute,
                                          const std::string& second) {
  const int day = DateTimePart(kDayPart, now.dateTime);
  const int month = DateTimePart(kMonthPart, now.dateTime);
  const int year = DateTimePart(kYearPart, now.dateTime);
  // "-", "5-" or pasted text can stand in an entry; such an entry names no moment.
  if (!IsDigitsOnly(hour) || !IsDigitsOnly(minute) || !IsDigitsOnly(second)) return std::nullopt;

  const std::string composed = IntToText(year) + "年" + IntToText(month) + "月" + IntToText(day) + "日" + hour + "时" +
                               minute + "分" + second + "秒";
  const auto dateTime = TryParseDateTimeText(composed);
  if (!dateTime) return std::nullopt;
  return DateTimeToUnixSecondsWide(*dateTime, now.biasMinutes);
}

void arm(TimedRunValues& values, TimedRunPort& port, std::int32_t secondsLeft) {
  values.savedEditTexts = {text(port, TimeEdit::kHour), text(port, TimeEdit::kMinute), text(port, TimeEdit::kSecond)};
  RunState& state = port.runState();
  state.timedRunArmed.store(1);
  // An active run is told to stop.
  state.running.store(0);
  port.setButtonText(texts::kArmedCaption);
  port.setButtonImage(texts::kArmedImage);
  port.setTimerInterval(texts::kTickMilliseconds);
  port.appendRunLog(texts::kInformation,
                    std::string(texts::kStartedBefore) + IntToText(secondsLeft) + std::string(texts::kStartedAfter));
}

}  // namespace

void ValidateTimeEdit(TimeEdit sender, TimedRunPort& port) {
  // Every step reads the text anew: each correction has already been validated, nested.
  if (const std::string typed = text(port, sender); WideLength(typed) == 2 && LeftText(typed, 1) == "0")
    port.setEditText(sender, RightText(typed, 1));

  if (TextToInt(text(port, sender)) < 0) {
    port.appendRunLog(texts::kWarning, texts::kBelowZero);
    port.setEditText(sender, "0");
  }
  struct Limit {
    TimeEdit edit;
    std::int32_t maximum;
    std::string_view warning;
    std::string_view text;
  };
  static constexpr Limit kLimits[] = {
      {TimeEdit::kHour, 23, texts::kHourAbove, "23"},
      {TimeEdit::kMinute, 59, texts::kMinuteAbove, "59"},
      {TimeEdit::kSecond, 59, texts::kSecondAbove, "59"},
  };
  for (const Limit& limit : kLimits) {
    if (sender == limit.edit && TextToInt(text(port, sender)) > limit.maximum) {
      port.appendRunLog(texts::kWarning, limit.warning);
      port.setEditText(sender, limit.text);
    }
  }
}

void ToggleTimedRun(TimedRunValues& values, TimedRunPort& port) {
  RunState& state = port.runState();
  if (state.timedRunArmed.load() != 0) {
    // The next tick completes the stop.
    state.timedRunArmed.store(0);
    return;
  }
  if (port.checkReady() == 0) return;

  const std::string second = text(port, TimeEdit::kSecond);
  const std::string minute = text(port, TimeEdit::kMinute);
  const std::string hour = text(port, TimeEdit::kHour);
  const Reading now = readClock(port.localClock());
  const auto moment = enteredMoment(now, hour, minute, second);
  if (moment) values.targetTime = *moment;
  if (!moment || now.seconds >= values.targetTime) {
    port.appendRunLog(texts::kError, texts::kNotLaterThanNow);
    return;
  }
  arm(values, port, secondsLeftAt(values, now));
}

void TimedRunTick(TimedRunValues& values, TimedRunPort& port) {
  const std::int32_t left = SecondsUntilTarget(values, port.localClock());
  const std::string hours = RemainingHoursText(left);
  const std::string minutes = RemainingMinutesText(left);
  port.setEditText(TimeEdit::kHour, hours);
  port.setEditText(TimeEdit::kMinute, minutes);
  const std::int64_t seconds = left - (std::int64_t{TextToInt(hours)} * 60 + TextToInt(minutes)) * 60;
  port.setEditText(TimeEdit::kSecond, IntToText(seconds));

  if (port.runState().timedRunArmed.load() == 0) {
    // Disarmed since the last tick: the countdown ends here and starts nothing, even when
    // its moment has come.
    StopTimedRun(values, port);
    return;
  }
  if (left <= 0) {
    StopTimedRun(values, port);
    if (port.checkReady() == 1) port.toggleRunNow();
  }
}

void StopTimedRun(const TimedRunValues& values, TimedRunPort& port) {
  port.setButtonText(texts::kIdleCaption);
  port.setButtonImage(texts::kIdleImage);
  port.setEditText(TimeEdit::kHour, values.savedEditTexts[indexOf(TimeEdit::kHour)]);
  port.setEditText(TimeEdit::kMinute, values.savedEditTexts[indexOf(TimeEdit::kMinute)]);
  port.setEditText(TimeEdit::kSecond, values.savedEditTexts[indexOf(TimeEdit::kSecond)]);
  port.runState().timedRunArmed.store(0);
  port.setTimerInterval(0);
  port.appendRunLog(texts::kInformation, texts::kStopped);
}

std::int32_t SecondsUntilTarget(const TimedRunValues& values, const LocalClock& clock) {
  return secondsLeftAt(values, readClock(clock));
}

std::string RemainingHoursText(std::int32_t secondsLeft) { return IntToText(secondsLeft / 3600); }

std::string RemainingMinutesText(std::int32_t secondsLeft) {
  const std::int64_t hours = secondsLeft / 3600;
  return IntToText(TruncateToInt(static_cast<double>(secondsLeft - hours * 3600) / 60.0));
}

void readMember(VolStream& stream, TimedRunValues& values) {
  for (std::string& saved : values.savedEditTexts) stream.readText(saved);
  std::int32_t value = 0;
  if (stream.readInt32(value)) values.targetTime = value;
}

void writeMember(VolStream& stream, const TimedRunValues& values) {
  for (const std::string& saved : values.savedEditTexts) stream.writeText(saved);
  stream.writeInt32(static_cast<std::int32_t>(values.targetTime));
}

}  // namespace quorvela
