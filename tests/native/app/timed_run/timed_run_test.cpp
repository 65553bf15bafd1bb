#include "app/core/timed_run/timed_run.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/core/framework/date_time.h"
#include "app/core/run/run_state.h"
#include "app/core/timed_run/timed_run_texts.h"

namespace quorvela {
namespace {
namespace texts = timed_run_texts;

constexpr int kBias = -480;  // UTC+8

int DaysIn(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// A clock that may move on by a step after every reading, as the real one does between
// two readings.
class FakeClock : public LocalClock {
 public:
  LocalTime now() const override {
    ++reads;
    const LocalTime reading = time;
    time.millisecond += stepMilliseconds;
    time.second += time.millisecond / 1000;
    time.millisecond %= 1000;
    time.minute += time.second / 60;
    time.second %= 60;
    time.hour += time.minute / 60;
    time.minute %= 60;
    time.day += time.hour / 24;
    time.hour %= 24;
    if (time.day > DaysIn(time.year, time.month)) {
      time.day = 1;
      if (++time.month > 12) {
        time.month = 1;
        ++time.year;
      }
    }
    return reading;
  }
  int biasMinutes() const override { return kBias; }
  void setTime(int hour, int minute, int second, int millisecond = 0) {
    time = {2026, 12, 9, hour, minute, second, millisecond};
  }

  mutable LocalTime time{2026, 12, 9, 17, 50, 0, 0};
  int stepMilliseconds = 0;
  mutable int reads = 0;
};

struct LogLine {
  int type;
  std::string text;
  bool operator==(const LogLine&) const = default;
};

void PrintTo(const LogLine& line, std::ostream* out) { *out << line.type << " " << line.text; }

// The page's controls as the handler sees them: setting an entry's text raises its
// text-changed event at once, as the edit box does.
class FakePage : public TimedRunPort {
 public:
  RunState& runState() override { return state; }
  const LocalClock& localClock() override { return clock; }
  std::string editText(TimeEdit edit) override { return edits[index(edit)]; }
  void setEditText(TimeEdit edit, std::string_view text) override { type(edit, text); }
  void setButtonText(std::string_view text) override { buttonText = text; }
  void setButtonImage(int resourceId) override { buttonImage = resourceId; }
  void setTimerInterval(int milliseconds) override { interval = milliseconds; }
  void appendRunLog(int kind, std::string_view text) override { log.push_back({kind, std::string(text)}); }
  int checkReady() override {
    ++readyChecks;
    return ready;
  }
  void toggleRunNow() override {
    ++runToggles;
    if (state.running.load()) {
      state.running = 0;
    } else {
      state.running = 1;
      state.timedRunArmed = 0;
    }
  }

  // What the user types (or the program sets) into an entry.
  void type(TimeEdit edit, std::string_view text) {
    edits[index(edit)] = text;
    ValidateTimeEdit(edit, *this);
  }
  void enter(std::string_view hour, std::string_view minute, std::string_view second) {
    type(TimeEdit::kHour, hour);
    type(TimeEdit::kMinute, minute);
    type(TimeEdit::kSecond, second);
  }
  std::array<std::string, 3> shown() const { return edits; }
  void expectIdle() const {
    EXPECT_EQ(state.timedRunArmed.load(), 0);
    EXPECT_EQ(buttonText, texts::kIdleCaption);
    EXPECT_EQ(buttonImage, texts::kIdleImage);
    EXPECT_EQ(interval, 0);
  }

  static std::size_t index(TimeEdit edit) { return static_cast<std::size_t>(edit); }

  RunState state;
  FakeClock clock;
  TimedRunValues timedRun;
  std::array<std::string, 3> edits{"0", "0", "0"};
  std::string buttonText{texts::kIdleCaption};
  int buttonImage = texts::kIdleImage;
  int interval = 0;
  std::vector<LogLine> log;
  int ready = 1;
  int readyChecks = 0;
  int runToggles = 0;
};

std::int64_t secondsAt(int hour, int minute, int second) {
  return DateTimeToUnixSecondsWide(ComposeDateTime(2026, 12, 9, hour, minute, second, 0), kBias);
}

const LogLine kStoppedLine{texts::kInformation, std::string(texts::kStopped)};

LogLine startedLine(int seconds) {
  return {texts::kInformation, std::string(texts::kStartedBefore) + std::to_string(seconds) +
                                   std::string(texts::kStartedAfter)};
}

TEST(TimedRun, EachWrongEntryIsCorrectedWithOneWarning) {
  struct Case {
    TimeEdit edit;
    std::string typed;
    std::string shown;
    std::string_view warning;  // empty: none
  };
  const Case cases[] = {
      {TimeEdit::kHour, "05", "5", ""},
      {TimeEdit::kMinute, "00", "0", ""},
      {TimeEdit::kSecond, "50", "50", ""},
      {TimeEdit::kHour, "23", "23", ""},
      {TimeEdit::kMinute, "24", "24", ""},
      {TimeEdit::kHour, "-5", "0", "[警告]时间值，最小仅可输入\"0\""},
      {TimeEdit::kSecond, "-3", "0", "[警告]时间值，最小仅可输入\"0\""},
      {TimeEdit::kHour, "24", "23", "[警告]小时值，最大仅可输入\"23\""},
      {TimeEdit::kHour, "59", "23", "[警告]小时值，最大仅可输入\"23\""},
      {TimeEdit::kMinute, "60", "59", "[警告]分钟值，最大仅可输入\"59\""},
      {TimeEdit::kSecond, "60", "59", "[警告]秒值，最大仅可输入\"59\""},
      {TimeEdit::kSecond, "99", "59", "[警告]秒值，最大仅可输入\"59\""},
      // Texts that convert to a value in range stay as typed.
      {TimeEdit::kHour, "", "", ""},
      {TimeEdit::kMinute, "-", "-", ""},
      {TimeEdit::kSecond, "5-", "5-", ""},
      {TimeEdit::kHour, "0-", "-", ""},
  };
  for (const Case& c : cases) {
    FakePage page;
    page.type(c.edit, c.typed);
    EXPECT_EQ(page.edits[FakePage::index(c.edit)], c.shown) << c.typed;
    if (c.warning.empty()) {
      EXPECT_TRUE(page.log.empty()) << c.typed;
    } else {
      EXPECT_EQ(page.log, (std::vector<LogLine>{{texts::kWarning, std::string(c.warning)}})) << c.typed;
    }
  }
}

TEST(TimedRun, ArmingSavesTheEntriesAndStopsAnActiveRun) {
  FakePage page;
  page.state.running = 1;
  page.enter("18", "50", "0");
  ToggleTimedRun(page.timedRun, page);

  EXPECT_EQ(page.log, std::vector<LogLine>{startedLine(3600)});
  EXPECT_EQ(page.state.timedRunArmed.load(), 1);
  EXPECT_EQ(page.state.running.load(), 0);
  EXPECT_EQ(page.buttonText, texts::kArmedCaption);
  EXPECT_EQ(page.buttonImage, texts::kArmedImage);
  EXPECT_EQ(page.interval, 1000);
  EXPECT_EQ(page.timedRun.savedEditTexts, (std::array<std::string, 3>{"18", "50", "0"}));
  EXPECT_EQ(page.timedRun.targetTime, secondsAt(18, 50, 0));
  EXPECT_EQ(page.readyChecks, 1);
}

TEST(TimedRun, ArmsOnlyForAMomentLaterThanNowToday) {
  struct Case {
    LocalTime now;
    std::string hour, minute, second;
    int armedSeconds;  // 0: refused
  };
  const Case cases[] = {
      {{2026, 12, 9, 23, 0, 0, 0}, "1", "0", "0", 0},  // no roll-over to tomorrow
      {{2026, 12, 9, 18, 50, 0, 0}, "18", "50", "0", 0},
      {{2026, 12, 9, 18, 49, 59, 500}, "18", "50", "0", 0},  // now rounds up to the moment
      {{2026, 12, 9, 18, 49, 59, 499}, "18", "50", "0", 1},
      {{2026, 12, 9, 0, 10, 0, 0}, "", "30", "", 1200},  // an empty entry counts as 0
      {{2026, 12, 9, 0, 0, 0, 0}, "23", "59", "59", 86399},
      {{2024, 2, 29, 12, 0, 0, 0}, "13", "0", "0", 3600},  // leap day
  };
  for (const Case& c : cases) {
    FakePage page;
    page.clock.time = c.now;
    page.enter(c.hour, c.minute, c.second);
    ToggleTimedRun(page.timedRun, page);
    if (c.armedSeconds == 0) {
      EXPECT_EQ(page.log, (std::vector<LogLine>{{texts::kError, "[错误]设置的时间不可 小于或等于 今日现在的时间"}}))
          << c.hour << ":" << c.minute << ":" << c.second;
      page.expectIdle();
    } else {
      EXPECT_EQ(page.log, std::vector<LogLine>{startedLine(c.armedSeconds)})
          << c.hour << ":" << c.minute << ":" << c.second;
      EXPECT_EQ(page.state.timedRunArmed.load(), 1);
    }
  }
}

TEST(TimedRun, AnEntryThatIsNotANumberIsRefused) {
  struct Case {
    std::string hour, minute, second;
  };
  // "-" and a digit followed by "-" can be typed; other text can be pasted or set.
  const Case cases[] = {
      {"-", "50", "0"}, {"18", "5-", "0"}, {"18", "50", "-"}, {"ab", "50", "0"},
      {"18", "秒", "0"}, {"-0", "50", "0"}, {" 5", "50", "0"},
  };
  for (const Case& c : cases) {
    FakePage page;
    page.edits = {c.hour, c.minute, c.second};
    page.timedRun.targetTime = 12345;
    ToggleTimedRun(page.timedRun, page);
    EXPECT_EQ(page.log, (std::vector<LogLine>{{texts::kError, "[错误]设置的时间不可 小于或等于 今日现在的时间"}}))
        << c.hour << ":" << c.minute << ":" << c.second;
    EXPECT_EQ(page.timedRun.targetTime, 12345);
    page.expectIdle();
  }
}

TEST(TimedRun, NotReadyArmsNothing) {
  FakePage page;
  page.ready = 0;
  page.enter("18", "50", "0");
  ToggleTimedRun(page.timedRun, page);
  EXPECT_TRUE(page.log.empty());
  EXPECT_EQ(page.clock.reads, 0);
  page.expectIdle();
}

TEST(TimedRun, CountdownShowsTheTimeLeftThenStartsTheRun) {
  FakePage page;
  page.enter("18", "52", "3");
  ToggleTimedRun(page.timedRun, page);
  ASSERT_EQ(page.log, std::vector<LogLine>{startedLine(3723)});

  struct Step {
    int hour, minute, second;
    std::array<std::string, 3> shown;
  };
  const Step steps[] = {
      {17, 50, 0, {"1", "2", "3"}},
      {17, 50, 1, {"1", "2", "2"}},
      {18, 51, 0, {"0", "1", "3"}},
      {18, 52, 2, {"0", "0", "1"}},
  };
  for (const Step& step : steps) {
    page.clock.setTime(step.hour, step.minute, step.second);
    TimedRunTick(page.timedRun, page);
    EXPECT_EQ(page.shown(), step.shown) << step.hour << ":" << step.minute << ":" << step.second;
  }
  EXPECT_EQ(page.log.size(), 1u);
  EXPECT_EQ(page.runToggles, 0);

  page.clock.setTime(18, 52, 3);
  TimedRunTick(page.timedRun, page);
  EXPECT_EQ(page.shown(), (std::array<std::string, 3>{"18", "52", "3"}));
  EXPECT_EQ(page.log.back(), kStoppedLine);
  EXPECT_EQ(page.log.size(), 2u);
  page.expectIdle();
  EXPECT_EQ(page.readyChecks, 2);
  EXPECT_EQ(page.runToggles, 1);
  EXPECT_EQ(page.state.running.load(), 1);
}

TEST(TimedRun, ALateTickWarnsForTheNegativeMinuteThenStarts) {
  FakePage page;
  page.enter("18", "50", "0");
  ToggleTimedRun(page.timedRun, page);
  page.clock.setTime(18, 50, 30);
  TimedRunTick(page.timedRun, page);
  EXPECT_EQ(page.log, (std::vector<LogLine>{startedLine(3600),
                                            {texts::kWarning, "[警告]时间值，最小仅可输入\"0\""},
                                            kStoppedLine}));
  EXPECT_EQ(page.shown(), (std::array<std::string, 3>{"18", "50", "0"}));
  EXPECT_EQ(page.runToggles, 1);
}

TEST(TimedRun, TimeLeftTextsTruncateHoursAndRoundMinutesDown) {
  struct Case {
    int secondsLeft;
    std::string hours, minutes;
  };
  const Case cases[] = {
      {3723, "1", "2"}, {3600, "1", "0"}, {3599, "0", "59"}, {60, "0", "1"},  {59, "0", "0"},
      {0, "0", "0"},    {-1, "0", "-1"},  {-59, "0", "-1"},  {-60, "0", "-1"}, {-61, "0", "-2"},
      {-3599, "0", "-60"}, {-3600, "-1", "0"}, {-3700, "-1", "-2"}, {86399, "23", "59"},
  };
  for (const Case& c : cases) {
    FakePage page;
    page.clock.setTime(12, 0, 0);
    page.timedRun.targetTime = secondsAt(12, 0, 0) + c.secondsLeft;
    EXPECT_EQ(SecondsUntilTarget(page.timedRun, page.clock), c.secondsLeft);
    EXPECT_EQ(RemainingHoursText(c.secondsLeft), c.hours) << c.secondsLeft;
    EXPECT_EQ(RemainingMinutesText(c.secondsLeft), c.minutes) << c.secondsLeft;
  }
}

TEST(TimedRun, ATickShowsTheTimeLeftOfOneClockReading) {
  // The clock moves on by 1 ms at every reading, and the time left changes between two.
  struct Case {
    const char* label;
    LocalTime now;
    std::array<std::string, 3> shown;
  };
  const Case cases[] = {
      {"3600 s, then 3599 s", {2026, 12, 9, 17, 50, 0, 499}, {"1", "0", "0"}},
      {"60 s, then 59 s", {2026, 12, 9, 18, 49, 0, 494}, {"0", "1", "0"}},
  };
  for (const Case& c : cases) {
    FakePage page;
    page.enter("18", "50", "0");
    ToggleTimedRun(page.timedRun, page);
    page.log.clear();
    page.clock.time = c.now;
    page.clock.stepMilliseconds = 1;
    page.clock.reads = 0;
    TimedRunTick(page.timedRun, page);
    EXPECT_EQ(page.shown(), c.shown) << c.label;
    EXPECT_TRUE(page.log.empty()) << c.label << ": no correction of a negative second";
    EXPECT_EQ(page.clock.reads, 1) << c.label;
  }
}

TEST(TimedRun, ArmingTakesTodayAndNowFromOneClockReading) {
  // The clock moves on by 1 ms at every reading, across a second or midnight.
  struct Case {
    const char* label;
    LocalTime now;
    std::optional<int> armedSeconds;  // else refused
  };
  const Case cases[] = {
      {"now rounds to the same second as the date", {2026, 1, 31, 23, 59, 58, 499}, 1},
      {"midnight at a month's end", {2026, 1, 31, 23, 59, 59, 499}, std::nullopt},
      {"midnight at the year's end", {2026, 12, 31, 23, 59, 59, 498}, std::nullopt},
  };
  for (const Case& c : cases) {
    FakePage page;
    page.enter("23", "59", "59");
    page.clock.time = c.now;
    page.clock.stepMilliseconds = 1;
    ToggleTimedRun(page.timedRun, page);
    const std::vector<LogLine> expected{c.armedSeconds ? startedLine(*c.armedSeconds)
                                                       : LogLine{texts::kError, std::string(texts::kNotLaterThanNow)}};
    EXPECT_EQ(page.log, expected) << c.label;
    EXPECT_EQ(page.clock.reads, 1) << c.label;
  }
}

TEST(TimedRun, MomentsPast2038AreArmedCountedDownAndReached) {
  // 2^31 seconds is 2038-01-19 03:14:08 UTC, 11:14:08 at UTC+8; 2^32 is 2106-02-07 06:28:16 UTC.
  struct Case {
    const char* label;
    LocalTime now;
    std::string hour, minute, second;
    int armedSeconds;
    LocalTime secondBefore;
  };
  const Case cases[] = {
      {"across 2^31", {2038, 1, 19, 11, 14, 0, 0}, "11", "14", "10", 10, {2038, 1, 19, 11, 14, 9, 0}},
      {"after 2^31", {2038, 1, 19, 11, 15, 0, 0}, "12", "15", "0", 3600, {2038, 1, 19, 12, 14, 59, 0}},
      {"after 2^32", {2106, 2, 7, 14, 28, 16, 0}, "15", "0", "0", 1904, {2106, 2, 7, 14, 59, 59, 0}},
      {"in the year 9999", {9999, 12, 30, 22, 0, 0, 0}, "23", "59", "59", 7199, {9999, 12, 30, 23, 59, 58, 0}},
  };
  for (const Case& c : cases) {
    FakePage page;
    page.clock.time = c.now;
    page.enter(c.hour, c.minute, c.second);
    ToggleTimedRun(page.timedRun, page);
    EXPECT_EQ(page.log, std::vector<LogLine>{startedLine(c.armedSeconds)}) << c.label;

    page.clock.time = c.secondBefore;
    TimedRunTick(page.timedRun, page);
    EXPECT_EQ(page.shown(), (std::array<std::string, 3>{"0", "0", "1"})) << c.label;
    EXPECT_EQ(page.runToggles, 0) << c.label;

    page.clock.time = {c.secondBefore.year, c.secondBefore.month, c.secondBefore.day, std::stoi(c.hour),
                       std::stoi(c.minute), std::stoi(c.second), 0};
    TimedRunTick(page.timedRun, page);
    EXPECT_EQ(page.runToggles, 1) << c.label;
    EXPECT_EQ(page.shown(), (std::array<std::string, 3>{c.hour, c.minute, c.second})) << c.label;
  }
}

TEST(TimedRun, ReadyCheckFailingAtTheMomentEndsTheCountdownWithoutRetry) {
  FakePage page;
  page.enter("18", "50", "0");
  ToggleTimedRun(page.timedRun, page);
  page.ready = 0;
  page.clock.setTime(18, 50, 0);
  TimedRunTick(page.timedRun, page);
  page.expectIdle();
  EXPECT_EQ(page.runToggles, 0);
  EXPECT_EQ(page.log.back(), kStoppedLine);
}

TEST(TimedRun, ASecondPressDisarmsAtTheNextTickAndStartsNothing) {
  // The tick after the press may find the moment already reached: still nothing starts.
  for (const int secondsLeftAtTick : {1800, 0}) {
    FakePage page;
    page.enter("18", "50", "0");
    ToggleTimedRun(page.timedRun, page);
    ToggleTimedRun(page.timedRun, page);
    EXPECT_EQ(page.state.timedRunArmed.load(), 0);
    EXPECT_EQ(page.buttonText, texts::kArmedCaption);
    EXPECT_EQ(page.interval, 1000);
    EXPECT_EQ(page.log.size(), 1u);
    EXPECT_EQ(page.readyChecks, 1);

    page.timedRun.targetTime = secondsAt(17, 50, 0) + secondsLeftAtTick;
    TimedRunTick(page.timedRun, page);
    EXPECT_EQ(page.log, (std::vector<LogLine>{startedLine(3600), kStoppedLine})) << secondsLeftAtTick;
    EXPECT_EQ(page.shown(), (std::array<std::string, 3>{"18", "50", "0"}));
    page.expectIdle();
    EXPECT_EQ(page.runToggles, 0) << secondsLeftAtTick;
  }
}

TEST(TimedRun, ARunStartedDuringTheCountdownEndsItAtTheNextTick) {
  FakePage page;
  page.enter("18", "50", "0");
  ToggleTimedRun(page.timedRun, page);
  page.toggleRunNow();  // the run button
  page.clock.setTime(18, 50, 0);
  TimedRunTick(page.timedRun, page);
  page.expectIdle();
  EXPECT_EQ(page.state.running.load(), 1);  // the user's run goes on
  EXPECT_EQ(page.runToggles, 1);
}

TEST(TimedRun, StreamFormHoldsTheSavedTextsThenTheTarget) {
  FakePage page;
  page.timedRun.savedEditTexts = {"18", "", "时"};
  page.timedRun.targetTime = -2;
  VolStream out;
  writeMember(out, page.timedRun);
  const ByteBuffer expected = {2, 0, 0, 0, '1', '8', 0, 0, 0, 0, 3, 0, 0, 0, 0xE6, 0x97, 0xB6,
                               0xFE, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(out.bytes(), expected);

  FakePage other;
  VolStream in(out.bytes());
  readMember(in, other.timedRun);
  EXPECT_EQ(in.state(), VolStream::kInOrder);
  EXPECT_EQ(other.timedRun.savedEditTexts, page.timedRun.savedEditTexts);
  EXPECT_EQ(other.timedRun.targetTime, -2);

  // A stream cut inside the target leaves the target as it was.
  FakePage cut;
  VolStream shortStream(ByteBuffer(expected.begin(), expected.end() - 1));
  readMember(shortStream, cut.timedRun);
  EXPECT_EQ(shortStream.state(), VolStream::kShortRead);
  EXPECT_EQ(cut.timedRun.targetTime, 0);
}

}  // namespace
}  // namespace quorvela
