#include "app/core/timed_run/timed_run.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/core/date/date_time.h"
#include "app/core/run_state.h"
#include "app/core/timed_run/timed_run_texts.h"

namespace quorvela {
namespace {
namespace texts = timed_run_texts;

constexpr int kBias = -480;  // UTC+8

class FakeClock : public LocalClock {
 public:
  LocalTime now() const override {
    ++reads;
    return time;
  }
  int biasMinutes() const override { return kBias; }
  void setTime(int hour, int minute, int second, int millisecond = 0) {
    time = {2026, 12, 9, hour, minute, second, millisecond};
  }

  LocalTime time{2026, 12, 9, 17, 50, 0, 0};
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
class FakePage : public TimedRunPorts {
 public:
  RunState& runState() override { return state; }
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
    timedRun.validateTimeEdit(edit);
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
  TimedRun timedRun{*this, clock};
  std::array<std::string, 3> edits{"0", "0", "0"};
  std::string buttonText{texts::kIdleCaption};
  int buttonImage = texts::kIdleImage;
  int interval = 0;
  std::vector<LogLine> log;
  int ready = 1;
  int readyChecks = 0;
  int runToggles = 0;
};

std::int32_t secondsAt(int hour, int minute, int second) {
  return DateTimeToUnixSeconds(ComposeDateTime(2026, 12, 9, hour, minute, second, 0), kBias);
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
  page.timedRun.toggleTimedRun();

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
    page.timedRun.toggleTimedRun();
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
    page.timedRun.toggleTimedRun();
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
  page.timedRun.toggleTimedRun();
  EXPECT_TRUE(page.log.empty());
  EXPECT_EQ(page.clock.reads, 0);
  page.expectIdle();
}

TEST(TimedRun, CountdownShowsTheTimeLeftThenStartsTheRun) {
  FakePage page;
  page.enter("18", "52", "3");
  page.timedRun.toggleTimedRun();
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
    page.timedRun.timedRunTick();
    EXPECT_EQ(page.shown(), step.shown) << step.hour << ":" << step.minute << ":" << step.second;
  }
  EXPECT_EQ(page.log.size(), 1u);
  EXPECT_EQ(page.runToggles, 0);

  page.clock.setTime(18, 52, 3);
  page.timedRun.timedRunTick();
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
  page.timedRun.toggleTimedRun();
  page.clock.setTime(18, 50, 30);
  page.timedRun.timedRunTick();
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
    EXPECT_EQ(page.timedRun.secondsUntilTarget(), c.secondsLeft);
    EXPECT_EQ(page.timedRun.remainingHoursText(), c.hours) << c.secondsLeft;
    EXPECT_EQ(page.timedRun.remainingMinutesText(), c.minutes) << c.secondsLeft;
  }
}

TEST(TimedRun, ReadyCheckFailingAtTheMomentEndsTheCountdownWithoutRetry) {
  FakePage page;
  page.enter("18", "50", "0");
  page.timedRun.toggleTimedRun();
  page.ready = 0;
  page.clock.setTime(18, 50, 0);
  page.timedRun.timedRunTick();
  page.expectIdle();
  EXPECT_EQ(page.runToggles, 0);
  EXPECT_EQ(page.log.back(), kStoppedLine);
}

TEST(TimedRun, ASecondPressDisarmsAtTheNextTickAndStartsNothing) {
  // The tick after the press may find the moment already reached: still nothing starts.
  for (const int secondsLeftAtTick : {1800, 0}) {
    FakePage page;
    page.enter("18", "50", "0");
    page.timedRun.toggleTimedRun();
    page.timedRun.toggleTimedRun();
    EXPECT_EQ(page.state.timedRunArmed.load(), 0);
    EXPECT_EQ(page.buttonText, texts::kArmedCaption);
    EXPECT_EQ(page.interval, 1000);
    EXPECT_EQ(page.log.size(), 1u);
    EXPECT_EQ(page.readyChecks, 1);

    page.timedRun.targetTime = secondsAt(17, 50, 0) + secondsLeftAtTick;
    page.timedRun.timedRunTick();
    EXPECT_EQ(page.log, (std::vector<LogLine>{startedLine(3600), kStoppedLine})) << secondsLeftAtTick;
    EXPECT_EQ(page.shown(), (std::array<std::string, 3>{"18", "50", "0"}));
    page.expectIdle();
    EXPECT_EQ(page.runToggles, 0) << secondsLeftAtTick;
  }
}

TEST(TimedRun, ARunStartedDuringTheCountdownEndsItAtTheNextTick) {
  FakePage page;
  page.enter("18", "50", "0");
  page.timedRun.toggleTimedRun();
  page.toggleRunNow();  // the run button
  page.clock.setTime(18, 50, 0);
  page.timedRun.timedRunTick();
  page.expectIdle();
  EXPECT_EQ(page.state.running.load(), 1);  // the user's run goes on
  EXPECT_EQ(page.runToggles, 1);
}

TEST(TimedRun, StreamFormHoldsTheSavedTextsThenTheTarget) {
  FakePage page;
  page.timedRun.savedEditTexts = {"18", "", "时"};
  page.timedRun.targetTime = -2;
  VolStream out;
  page.timedRun.writeMembers(out);
  const ByteBuffer expected = {2, 0, 0, 0, '1', '8', 0, 0, 0, 0, 3, 0, 0, 0, 0xE6, 0x97, 0xB6,
                               0xFE, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(out.bytes(), expected);

  FakePage other;
  VolStream in(out.bytes());
  other.timedRun.readMembers(in);
  EXPECT_EQ(in.state(), VolStream::kInOrder);
  EXPECT_EQ(other.timedRun.savedEditTexts, page.timedRun.savedEditTexts);
  EXPECT_EQ(other.timedRun.targetTime, -2);

  // A stream cut inside the target leaves the target as it was.
  FakePage cut;
  VolStream shortStream(ByteBuffer(expected.begin(), expected.end() - 1));
  cut.timedRun.readMembers(shortStream);
  EXPECT_EQ(shortStream.state(), VolStream::kShortRead);
  EXPECT_EQ(cut.timedRun.targetTime, 0);
}

}  // namespace
}  // namespace quorvela
