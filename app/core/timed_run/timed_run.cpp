#include "app/core/timed_run/timed_run.h"

#include <algorithm>
#include <limits>

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

}  // namespace

TimedRun& TimedRun::operator=(const TimedRun& other) {
  savedEditTexts = other.savedEditTexts;
  targetTime = other.targetTime;
  return *this;
}

void TimedRun::validateTimeEdit(TimeEdit sender) {
  // Every step reads the text anew: each correction has already been validated, nested.
  if (const std::string typed = text(sender); WideLength(typed) == 2 && LeftText(typed, 1) == "0")
    ports_->setEditText(sender, RightText(typed, 1));

  if (TextToInt(text(sender)) < 0) {
    ports_->appendRunLog(texts::kWarning, texts::kBelowZero);
    ports_->setEditText(sender, "0");
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
    if (sender == limit.edit && TextToInt(text(sender)) > limit.maximum) {
      ports_->appendRunLog(texts::kWarning, limit.warning);
      ports_->setEditText(sender, limit.text);
    }
  }
}

void TimedRun::toggleTimedRun() {
  RunState& state = ports_->runState();
  if (state.timedRunArmed.load() != 0) {
    // The next tick completes the stop.
    state.timedRunArmed.store(0);
    return;
  }
  if (ports_->checkReady() == 0) return;

  const std::string second = text(TimeEdit::kSecond);
  const std::string minute = text(TimeEdit::kMinute);
  const std::string hour = text(TimeEdit::kHour);
  const Reading now = readClock();
  const auto moment = enteredMoment(now, hour, minute, second);
  if (moment) targetTime = *moment;
  if (!moment || now.seconds >= targetTime) {
    ports_->appendRunLog(texts::kError, texts::kNotLaterThanNow);
    return;
  }
  arm(secondsLeftAt(now));
}

std::optional<std::int64_t> TimedRun::enteredMoment(const Reading& now, const std::string& hour,
                                                    const std::string& minute,
                                                    const std::string& second) const {
  const int day = DateTimePart(kDayPart, now.dateTime);
  const int month = DateTimePart(kMonthPart, now.dateTime);
  const int year = DateTimePart(kYearPart, now.dateTime);
  // "-", "5-" or pasted text can stand in an entry; such an entry names no moment.
  if (!IsDigitsOnly(hour) || !IsDigitsOnly(minute) || !IsDigitsOnly(second)) return std::nullopt;

  const std::string composed = IntToText(year) + "年" + IntToText(month) + "月" + IntToText(day) +
                               "日" + hour + "时" + minute + "分" + second + "秒";
  const auto dateTime = TryParseDateTimeText(composed);
  if (!dateTime) return std::nullopt;
  return DateTimeToUnixSecondsWide(*dateTime, now.biasMinutes);
}

void TimedRun::arm(std::int32_t secondsLeft) {
  savedEditTexts = {text(TimeEdit::kHour), text(TimeEdit::kMinute), text(TimeEdit::kSecond)};
  RunState& state = ports_->runState();
  state.timedRunArmed.store(1);
  // An active run is told to stop.
  state.running.store(0);
  ports_->setButtonText(texts::kArmedCaption);
  ports_->setButtonImage(texts::kArmedImage);
  ports_->setTimerInterval(texts::kTickMilliseconds);
  ports_->appendRunLog(texts::kInformation, std::string(texts::kStartedBefore) + IntToText(secondsLeft) +
                                                std::string(texts::kStartedAfter));
}

void TimedRun::timedRunTick() {
  const std::int32_t left = secondsUntilTarget();
  const std::string hours = remainingHoursText(left);
  const std::string minutes = remainingMinutesText(left);
  ports_->setEditText(TimeEdit::kHour, hours);
  ports_->setEditText(TimeEdit::kMinute, minutes);
  const std::int64_t seconds = left - (std::int64_t{TextToInt(hours)} * 60 + TextToInt(minutes)) * 60;
  ports_->setEditText(TimeEdit::kSecond, IntToText(seconds));

  if (ports_->runState().timedRunArmed.load() == 0) {
    // Disarmed since the last tick: the countdown ends here and starts nothing, even when
    // its moment has come.
    stopTimedRun();
    return;
  }
  if (left <= 0) {
    stopTimedRun();
    if (ports_->checkReady() == 1) ports_->toggleRunNow();
  }
}

void TimedRun::stopTimedRun() {
  ports_->setButtonText(texts::kIdleCaption);
  ports_->setButtonImage(texts::kIdleImage);
  ports_->setEditText(TimeEdit::kHour, savedEditTexts[indexOf(TimeEdit::kHour)]);
  ports_->setEditText(TimeEdit::kMinute, savedEditTexts[indexOf(TimeEdit::kMinute)]);
  ports_->setEditText(TimeEdit::kSecond, savedEditTexts[indexOf(TimeEdit::kSecond)]);
  ports_->runState().timedRunArmed.store(0);
  ports_->setTimerInterval(0);
  ports_->appendRunLog(texts::kInformation, texts::kStopped);
}

TimedRun::Reading TimedRun::readClock() const {
  const double now = CurrentDateTime(*clock_);
  const int bias = clock_->biasMinutes();
  return {now, bias, DateTimeToUnixSecondsWide(now, bias)};
}

std::int32_t TimedRun::secondsLeftAt(const Reading& now) const { return saturate(targetTime - now.seconds); }

std::int32_t TimedRun::secondsUntilTarget() const { return secondsLeftAt(readClock()); }

std::string TimedRun::remainingHoursText(std::int32_t secondsLeft) { return IntToText(secondsLeft / 3600); }

std::string TimedRun::remainingMinutesText(std::int32_t secondsLeft) {
  const std::int64_t hours = secondsLeft / 3600;
  return IntToText(TruncateToInt(static_cast<double>(secondsLeft - hours * 3600) / 60.0));
}

void TimedRun::readMembers(VolStream& stream) {
  for (std::string& saved : savedEditTexts) stream.readText(saved);
  std::int32_t value = 0;
  if (stream.readInt32(value)) targetTime = value;
}

void TimedRun::writeMembers(VolStream& stream) const {
  for (const std::string& saved : savedEditTexts) stream.writeText(saved);
  stream.writeInt32(static_cast<std::int32_t>(targetTime));
}

}  // namespace quorvela
