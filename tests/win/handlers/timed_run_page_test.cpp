// The timed run through the real time entries, button, countdown timer and run log, on a
// clock the test sets: each tick of the real timer shows what that clock says.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/core/run/run_ports.h"
#include "app/core/run/run_state.h"
#include "app/core/timed_run/timed_run_texts.h"
#include "app/win/control_centre/control_centre_page.h"
#include "app/win/framework/control_window.h"
#include "app/win/framework/font.h"
#include "app/win/framework/rich_edit_box.h"
#include "app/win/framework/window_procedure.h"
#include "app/win/platform/wide_text.h"
#include "app/win/timed_run/timed_run_handler.h"
#include "tests/win/framework/host_form.h"

namespace qv::test {
namespace {

using namespace quorvela;
using namespace quorvela::win;
namespace texts = timed_run_texts;
using Texts = std::vector<std::string>;

// The timer ticks once a second; a tick waited for may come late on a busy machine.
constexpr DWORD kTickCeiling = 15000;

class SetClock : public LocalClock {
 public:
  LocalTime now() const override { return time; }
  int biasMinutes() const override { return -480; }
  void set(int hour, int minute, int second) { time = {2026, 12, 9, hour, minute, second, 0}; }

  LocalTime time{2026, 12, 9, 17, 50, 0, 0};
};

class TimedRunPage : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(host_ = createHost(form_), nullptr);
    button_.imagePlace = ImagePlace::kLeftOfText;
    ASSERT_TRUE(button_.create(at(4, 99, 183, 47, 103, std::string(texts::kIdleCaption))));
    EditBox* entries[] = {&hour_, &minute_, &second_};
    const int ids[] = {108, 110, 115};
    for (int i = 0; i < 3; ++i) {
      entries[i]->maxLength = 2;
      entries[i]->centred = true;
      entries[i]->integerInput = true;
      ASSERT_TRUE(entries[i]->create(at(243 + 68 * i, 116, 32, 27, ids[i], "0")));
    }
    ASSERT_TRUE(timer_.create(at(386, 8, 43, 37, 114, "")));
    log_.setFont(SetFontFromText("黑体, 9, 0, 0, 0, 0, 0"));
    ASSERT_TRUE(log_.create(at(5, 160, 600, 300, 127, "")));

    // A target is held, so that the ready check asks only for the window.
    state_.targetImage.replace(ByteBuffer{'B', 'M'});
    handler_.setLinks({&state_, &page_, &road_, &clock_});
    handler_.BindTimedRunHandler();
  }

  ControlPlacement at(int left, int top, int width, int height, int id, std::string text) {
    return {host_, &form_, left, top, width, height, id, std::move(text)};
  }

  // Keys typed into an entry over its whole text, one WM_CHAR each.
  void type(const EditBox& entry, const std::string& keys) {
    HWND window = windowOf(entry);
    SendMessageW(window, EM_SETSEL, 0, -1);
    for (const wchar_t key : widen(keys)) SendMessageW(window, WM_CHAR, key, 1);
  }
  void setEntries(const Texts& values) {
    SetControlText(hour_, values[0]);
    SetControlText(minute_, values[1]);
    SetControlText(second_, values[2]);
  }
  Texts entries() const {
    return {narrow(windowTextOf(windowOf(hour_))), narrow(windowTextOf(windowOf(minute_))),
            narrow(windowTextOf(windowOf(second_)))};
  }
  EditBox& entry(TimeEdit which) {
    return which == TimeEdit::kHour ? hour_ : which == TimeEdit::kMinute ? minute_ : second_;
  }
  std::string caption() const { return narrow(windowTextOf(windowOf(button_))); }

  void click() {
    HWND window = windowOf(button_);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  }

  Texts logLines() const {
    Texts lines;
    std::wstring line;
    for (const wchar_t c : windowTextOf(windowOf(log_))) {
      if (c == L'\r' || c == L'\n') {
        if (!line.empty()) lines.push_back(narrow(line));
        line.clear();
      } else {
        line += c;
      }
    }
    if (!line.empty()) lines.push_back(narrow(line));
    return lines;
  }
  bool logHas(std::string_view text) const {
    const Texts lines = logLines();
    return std::find(lines.begin(), lines.end(), text) != lines.end();
  }
  void clearLog() { SetWindowTextW(windowOf(log_), L""); }

  // The run road as the timed run sees it: the window search finds WeChat while ready_ is
  // 1; a run that starts is counted (its worker is not started).
  class FakeRunRoad : public RunNowPort {
   public:
    explicit FakeRunRoad(TimedRunPage& test) : test_(test) {}
    std::uint32_t searchWeChatWindow() override { return test_.ready_ ? 0x1234 : 0; }
    bool startWorker() override {
      ++test_.runToggles_;
      return false;
    }
    void appendRunLog(int, std::string_view) override {}
    void setRunButtonImage(int) override {}
    void setRunButtonText(std::string_view) override {}
    void setGaugeInterval(int) override {}

   private:
    TimedRunPage& test_;
  };

  SetClock clock_;  // 17:50:00
  HostForm form_;
  HWND host_ = nullptr;
  // The control centre, of which only the timed run's controls and the log have windows.
  ControlCentrePage page_;
  SuperButton& button_ = page_.TimedRunButton;
  EditBox& hour_ = page_.HourEdit;
  EditBox& minute_ = page_.MinuteEdit;
  EditBox& second_ = page_.SecondEdit;
  TimerControl& timer_ = page_.CountdownTimer;
  RichEditBox& log_ = page_.RunLogBox;
  RunState state_;
  std::int32_t ready_ = 1;
  int runToggles_ = 0;
  FakeRunRoad road_{*this};
  TimedRunHandler handler_;
};

TEST_F(TimedRunPage, EachWrongEntryIsCorrectedWithOneWarning) {
  struct Case {
    TimeEdit entry;
    std::string keys;
    std::string shown;
    Texts lines;
  };
  const Case cases[] = {
      {TimeEdit::kHour, "05", "5", {}},
      {TimeEdit::kMinute, "00", "0", {}},
      {TimeEdit::kHour, "24", "23", {std::string(texts::kHourAbove)}},
      {TimeEdit::kMinute, "60", "59", {std::string(texts::kMinuteAbove)}},
      {TimeEdit::kSecond, "60", "59", {std::string(texts::kSecondAbove)}},
      {TimeEdit::kSecond, "-3", "0", {std::string(texts::kBelowZero)}},
      {TimeEdit::kHour, "7a", "7", {}},  // the letter is refused
      {TimeEdit::kMinute, "5-", "5-", {}},
  };
  for (const Case& c : cases) {
    SetControlText(entry(c.entry), "0");
    clearLog();
    type(entry(c.entry), c.keys);
    EXPECT_EQ(narrow(windowTextOf(windowOf(entry(c.entry)))), c.shown) << c.keys;
    EXPECT_EQ(logLines(), c.lines) << c.keys;
  }
}

TEST_F(TimedRunPage, ATimeNotLaterThanNowIsRefused) {
  for (const Texts& entry : {Texts{"0", "0", "0"}, Texts{"17", "50", "0"}, Texts{"-", "1", "0"}}) {
    setEntries(entry);
    clearLog();
    click();
    EXPECT_EQ(logLines(), Texts{std::string(texts::kNotLaterThanNow)});
    EXPECT_EQ(state_.timedRunArmed.load(), 0);
    EXPECT_EQ(caption(), texts::kIdleCaption);
    EXPECT_EQ(entries(), entry);
  }
}

TEST_F(TimedRunPage, NotReadyArmsNothing) {
  ready_ = 0;
  setEntries({"17", "50", "30"});
  clearLog();
  click();
  EXPECT_TRUE(logLines().empty());
  EXPECT_EQ(state_.timedRunArmed.load(), 0);
  EXPECT_EQ(caption(), texts::kIdleCaption);
}

TEST_F(TimedRunPage, CountdownShowsTheTimeLeftThenRestoresTheEntriesAndStartsARun) {
  const Texts moment{"17", "50", "3"};
  setEntries(moment);
  clearLog();
  click();
  EXPECT_EQ(logLines(), Texts{"[提示]定时器已启动，软件将于3秒后运行"});
  EXPECT_EQ(caption(), texts::kArmedCaption);
  EXPECT_EQ(state_.timedRunArmed.load(), 1);

  // Each tick shows the time left at its reading of the clock.
  ASSERT_TRUE(pumpUntil([&] { return entries() == Texts{"0", "0", "3"}; }, kTickCeiling));
  clock_.set(17, 50, 1);
  ASSERT_TRUE(pumpUntil([&] { return entries() == Texts{"0", "0", "2"}; }, kTickCeiling));
  EXPECT_EQ(runToggles_, 0);
  EXPECT_EQ(logLines().size(), 1u);

  clock_.set(17, 50, 3);
  ASSERT_TRUE(pumpUntil([&] { return logHas(texts::kStopped); }, kTickCeiling));
  EXPECT_EQ(entries(), moment);
  EXPECT_EQ(caption(), texts::kIdleCaption);
  EXPECT_EQ(logLines().size(), 2u);
  EXPECT_EQ(runToggles_, 1);
  EXPECT_EQ(state_.running.load(), 1);
  EXPECT_EQ(state_.timedRunArmed.load(), 0);
  EXPECT_FALSE(KillTimer(windowOf(timer_), TimerControl::kTimerId)) << "the timer has stopped";
}

TEST_F(TimedRunPage, ASecondPressDisarmsAtTheNextTick) {
  const Texts moment{"17", "50", "30"};
  setEntries(moment);
  click();
  ASSERT_EQ(state_.timedRunArmed.load(), 1);
  clearLog();
  click();
  EXPECT_EQ(state_.timedRunArmed.load(), 0);
  EXPECT_EQ(caption(), texts::kArmedCaption);
  EXPECT_TRUE(logLines().empty());

  ASSERT_TRUE(pumpUntil([&] { return logHas(texts::kStopped); }, kTickCeiling));
  EXPECT_EQ(logLines(), Texts{std::string(texts::kStopped)});
  EXPECT_EQ(entries(), moment);
  EXPECT_EQ(caption(), texts::kIdleCaption);
  EXPECT_EQ(runToggles_, 0);
}

TEST_F(TimedRunPage, ArmingWhileARunIsActiveStopsThatRun) {
  state_.running = 1;
  setEntries({"17", "50", "30"});
  click();
  EXPECT_EQ(state_.timedRunArmed.load(), 1);
  EXPECT_EQ(state_.running.load(), 0);
}

TEST_F(TimedRunPage, StreamFormHoldsTheControlsThenTheSavedTextsAndTheTarget) {
  handler_.savedEditTexts = {"18", "50", "0"};
  handler_.targetTime = 1234;
  VolStream out;
  handler_.writeToStream(&out);
  TimedRunHandler copy;
  VolStream in(out.bytes());
  copy.readFromStream(&in);
  EXPECT_EQ(in.state(), VolStream::kInOrder);
  EXPECT_EQ(copy.TimedRunButton.text, std::string(texts::kIdleCaption));
  EXPECT_EQ(copy.HourEdit.text, "0");
  EXPECT_EQ(copy.savedEditTexts, handler_.savedEditTexts);
  EXPECT_EQ(copy.targetTime, 1234);
  // Nothing is left over after the target.
  std::int32_t extra = 0;
  EXPECT_FALSE(in.readInt32(extra));
}

}  // namespace
}  // namespace qv::test
