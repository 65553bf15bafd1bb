// The run button of the built program with the real library, against the WeChat stand-in.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/core/control_centre/control_centre_design.h"
#include "tests/support/standin_client.h"
#include "tests/support/wait_until.h"
#include "tests/win/app/centre_windows.h"
#include "tests/win/app/run_scene.h"

namespace qv::test {
namespace {

using quorvela::control_centre::kRunNowButton;

const std::wstring kIdleCaption = L"立刻运行 当前:未运行";
const std::wstring kRunningCaption = L"立刻运行 当前:已运行";
const std::wstring kWindowFound = L"[提示]已找到微信窗口，请保持非最小化状态";
const std::wstring kWindowError = L"[错误]没有找到微信窗口，请您打开微信";
const std::wstring kTargetError = L"[错误]您还没有截取目标图，请点击旁边截图按钮";
const std::wstring kStarted = L"[提示]软件已运行";
const std::wstring kStopped = L"[提示]软件已停止运行";

// Pixels of the run button as the screen shows it in the orange of the running face
// (image 508, also its pointer-over face); the idle face (507) is grey.
int runningFacePixels(const BuiltProgram& program) {
  RECT rect{};
  GetWindowRect(program.control(kRunNowButton), &rect);
  HDC screen = GetDC(nullptr);
  int orange = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      const COLORREF c = GetPixel(screen, x, y);
      orange += GetRValue(c) > 200 && GetGValue(c) > 40 && GetGValue(c) < 160 && GetBValue(c) < 90;
    }
  }
  ReleaseDC(nullptr, screen);
  return orange;
}

// The run button comes to show its running face, or its idle one; the pointer is moved
// away first, so that the button's pointer-over face does not count.
bool showsRunningFace(const BuiltProgram& program, bool running) {
  SetCursorPos(0, 0);
  return WaitUntil([&] { return running ? runningFacePixels(program) > 20 : runningFacePixels(program) == 0; });
}

bool gaugeShows(const BuiltProgram& program, GaugeRing ring) {
  return WaitUntil([&] { return program.gaugeRing() == ring; });
}

TEST(QuorvelaRunNow, IdleClickRunsUntilTheTargetShowsThenOneBurstAndTheTickStops) {
  StandIn standin;
  ASSERT_NE(standin.window(), nullptr);
  const BuiltProgram program(L"run_hit", RunLayout(Target()));
  ASSERT_TRUE(program.started());
  EXPECT_EQ(program.logLines(), std::vector<std::wstring>{kWindowFound});

  EXPECT_TRUE(gaugeShows(program, GaugeRing::kTrack)) << "the gauge reads 0 before the run";
  program.postClick(kRunNowButton);
  ASSERT_TRUE(program.logGrowsTo(2));
  EXPECT_EQ(program.logLines().back(), kStarted);
  EXPECT_EQ(program.caption(), kRunningCaption);
  // Rounds go on and the gauge's tick shows them; nothing is sent yet.
  EXPECT_TRUE(gaugeShows(program, GaugeRing::kProgress)) << "the gauge shows no rounds";
  EXPECT_EQ(standin.ReadRecordWhenDelivered().messages.size(), 0u);
  EXPECT_EQ(program.logLines().size(), 2u);

  // What covers WeChat is captured with it: the stand-in comes to the top, as the chat the
  // user watches.
  SetWindowPos(standin.window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ASSERT_TRUE(standin.PaintTarget(Target(), 300, 200));
  const StandInRecord record = standin.WaitForMessages(2000);
  EXPECT_EQ(EnterPresses(record, WM_KEYDOWN), 1000);
  EXPECT_EQ(EnterPresses(record, WM_KEYUP), 1000);
  ASSERT_TRUE(program.logGrowsTo(3));
  EXPECT_EQ(program.logLines(), (std::vector<std::wstring>{kWindowFound, kStarted, kStopped}));
  EXPECT_EQ(program.caption(), kIdleCaption);
  // Watched for a while: no second burst, no further line.
  Sleep(1500);
  EXPECT_EQ(standin.ReadRecordWhenDelivered().messages.size(), 2000u);
  EXPECT_EQ(program.logLines().size(), 3u);
}

TEST(QuorvelaRunNow, ClickWhileRunningStopsItAndOnlyTheTickWritesALineAndResetsTheFace) {
  StandIn standin;
  ASSERT_NE(standin.window(), nullptr);
  const BuiltProgram program(L"run_stop", RunLayout(Target()));
  ASSERT_TRUE(program.started());
  EXPECT_TRUE(showsRunningFace(program, false));
  program.postClick(kRunNowButton);
  ASSERT_TRUE(program.logGrowsTo(2));
  EXPECT_TRUE(showsRunningFace(program, true));
  EXPECT_TRUE(gaugeShows(program, GaugeRing::kProgress));
  program.postClick(kRunNowButton);
  ASSERT_TRUE(program.logGrowsTo(3)) << "the next tick reports the stop";
  EXPECT_EQ(program.logLines(), (std::vector<std::wstring>{kWindowFound, kStarted, kStopped}));
  EXPECT_EQ(program.caption(), kIdleCaption);
  EXPECT_TRUE(showsRunningFace(program, false));
  EXPECT_TRUE(gaugeShows(program, GaugeRing::kTrack)) << "the stop shows 0";
  EXPECT_EQ(standin.ReadRecordWhenDelivered().messages.size(), 0u);
}

TEST(QuorvelaRunNow, ClickWithWeChatClosedWritesOnlyTheWindowErrorAndTheRunGoesOn) {
  auto standin = std::make_unique<StandIn>();
  ASSERT_NE(standin->window(), nullptr);
  const BuiltProgram program(L"run_closed", RunLayout(Target()));
  ASSERT_TRUE(program.started());
  program.postClick(kRunNowButton);
  ASSERT_TRUE(program.logGrowsTo(2));
  standin->Close();
  program.postClick(kRunNowButton);
  ASSERT_TRUE(program.logGrowsTo(3));
  Sleep(2500);  // watched for two ticks: the run is still on
  EXPECT_EQ(program.logLines(), (std::vector<std::wstring>{kWindowFound, kStarted, kWindowError}));
  EXPECT_EQ(program.caption(), kRunningCaption);
}

TEST(QuorvelaRunNow, ClickWithoutATargetWritesTheTargetErrorAndStartsNothing) {
  StandIn standin;
  ASSERT_NE(standin.window(), nullptr);
  const BuiltProgram program(L"run_no_target", RunLayout({}));
  ASSERT_TRUE(program.started());
  program.postClick(kRunNowButton);
  ASSERT_TRUE(program.logGrowsTo(2));
  Sleep(1500);  // watched for a tick: nothing starts
  EXPECT_EQ(program.logLines(), (std::vector<std::wstring>{kWindowFound, kTargetError}));
  EXPECT_EQ(program.caption(), kIdleCaption);
}

TEST(QuorvelaRunNow, AQuitMessageDuringARunEndsTheProgramWithItsCode) {
  StandIn standin;
  ASSERT_NE(standin.window(), nullptr);
  BuiltProgram program(L"run_quit", RunLayout(Target()));
  ASSERT_TRUE(program.started());
  program.postClick(kRunNowButton);
  ASSERT_TRUE(program.logGrowsTo(2));
  ASSERT_EQ(program.logLines().back(), kStarted);
  // The worker is in its rounds, inside the capture or the library's search.
  EXPECT_EQ(program.quit(7), std::optional<DWORD>(7));
}

}  // namespace
}  // namespace qv::test
