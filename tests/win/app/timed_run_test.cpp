// A timed run set in the built program, with the real library, against the WeChat stand-in.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/core/control_centre/control_centre_design.h"
#include "tests/support/standin_client.h"
#include "tests/win/app/run_scene.h"

namespace qv::test {
namespace {

using namespace quorvela::control_centre;
using Lines = std::vector<std::wstring>;

const std::wstring kWindowFound = L"[提示]已找到微信窗口，请保持非最小化状态";
const std::wstring kArmedCaption = L"定时运行 当前:已运行";
const std::wstring kIdleCaption = L"定时运行 当前:未运行";
const std::wstring kCountdownStopped = L"[提示]定时器已停止";
const std::wstring kRunStarted = L"[提示]软件已运行";
const std::wstring kRunStopped = L"[提示]软件已停止运行";
const std::wstring kHourAbove = L"[警告]小时值，最大仅可输入\"23\"";

// The second of the day now, rounded to the nearest as the program rounds its clock.
int secondOfDay() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return now.wHour * 3600 + now.wMinute * 60 + now.wSecond + (now.wMilliseconds >= 500 ? 1 : 0);
}

struct Moment {
  int second;  // of the day
  Lines entries;
};

// Now plus some seconds; nothing when that would cross midnight.
std::optional<Moment> momentIn(int seconds) {
  const int at = secondOfDay() + seconds;
  if (at >= 86400) return std::nullopt;
  return Moment{at, {std::to_wstring(at / 3600), std::to_wstring(at / 60 % 60), std::to_wstring(at % 60)}};
}

const std::wstring kArmedHead = L"[提示]定时器已启动，软件将于";
const std::wstring kArmedTail = L"秒后运行";

// The seconds that the line "[提示]定时器已启动，软件将于N秒后运行" names; -1 for another line.
int armedSeconds(const std::wstring& line) {
  if (line.size() <= kArmedHead.size() + kArmedTail.size() || line.rfind(kArmedHead, 0) != 0 ||
      line.compare(line.size() - kArmedTail.size(), kArmedTail.size(), kArmedTail) != 0)
    return -1;
  return std::stoi(line.substr(kArmedHead.size(), line.size() - kArmedHead.size() - kArmedTail.size()));
}

class QuorvelaTimedRun : public ::testing::Test {
 protected:
  void enter(const BuiltProgram& program, const Lines& entries) const {
    const int ids[] = {kHourEdit, kMinuteEdit, kSecondEdit};
    for (int i = 0; i < 3; ++i) SendMessageW(program.control(ids[i]), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(entries[i].c_str()));
  }
  Lines entries(const BuiltProgram& program) const {
    return {program.text(kHourEdit), program.text(kMinuteEdit), program.text(kSecondEdit)};
  }
};

TEST_F(QuorvelaTimedRun, TheRunStartsAtTheSetMomentAndPressesSend) {
  StandIn standin;
  ASSERT_NE(standin.window(), nullptr);
  const BuiltProgram program(L"timed_hit", RunLayout(Target()));
  ASSERT_TRUE(program.started());
  // The target shows from the start: the run hits in its first round.
  SetWindowPos(standin.window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ASSERT_TRUE(standin.PaintTarget(Target(), 300, 200));

  const auto moment = momentIn(5);
  if (!moment) GTEST_SKIP() << "too close to midnight";
  enter(program, moment->entries);
  const int clickedAt = secondOfDay();
  program.postClick(kTimedRunButton);
  ASSERT_TRUE(program.logGrowsTo(2));
  const int armedAt = secondOfDay();
  const std::wstring armed = program.logLines()[1];
  // The whole seconds from the program's clock when it took the click to the moment.
  const int left = armedSeconds(armed);
  EXPECT_GE(left, moment->second - armedAt) << armed;
  EXPECT_LE(left, moment->second - clickedAt) << armed;
  EXPECT_EQ(program.text(kTimedRunButton), kArmedCaption);

  // The first tick shows the time left in the entries, some seconds before the moment.
  ASSERT_TRUE(WaitUntil([&] {
    const Lines shown = entries(program);
    return shown[0] == L"0" && shown[1] == L"0" && shown != moment->entries;
  })) << "the entries show the time left";
  EXPECT_EQ(standin.ReadRecord().messages.size(), 0u) << "nothing is sent before the moment";

  const StandInRecord record = standin.WaitForMessages(2000, 20000);
  EXPECT_EQ(EnterPresses(record, WM_KEYDOWN), 1000);
  ASSERT_TRUE(program.logGrowsTo(5));
  EXPECT_EQ(program.logLines(), (Lines{kWindowFound, armed, kCountdownStopped, kRunStarted, kRunStopped}));
  EXPECT_EQ(entries(program), moment->entries);
  EXPECT_EQ(program.text(kTimedRunButton), kIdleCaption);
}

TEST_F(QuorvelaTimedRun, AWrongEntryIsCorrectedInTheProgram) {
  StandIn standin;
  ASSERT_NE(standin.window(), nullptr);
  const BuiltProgram program(L"timed_entry", RunLayout(Target()));
  ASSERT_TRUE(program.started());
  enter(program, {L"24", L"0", L"0"});
  ASSERT_TRUE(program.logGrowsTo(2));
  EXPECT_EQ(program.logLines().back(), kHourAbove);
  EXPECT_EQ(program.text(kHourEdit), L"23");
}

}  // namespace
}  // namespace qv::test
