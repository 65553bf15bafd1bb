// The run road with the real library, capture and worker thread against the stand-in.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/bmp_builder.h"
#include "tests/support/process_threads.h"
#include "tests/support/standin_client.h"
#include "tests/support/wait_until.h"
#include "tests/win/run/bound_library.h"
#include "tests/win/run/recording_road.h"

namespace {

using quorvela::ByteBuffer;
using Calls = std::vector<std::string>;

const std::string kWindowError = "log 0 [错误]没有找到微信窗口，请您打开微信";
const std::string kTargetError = "log 0 [错误]您还没有截取目标图，请点击旁边截图按钮";

// Two colours in a checkerboard: nowhere in the stand-in's scene.
ByteBuffer Target() {
  return qv::test::MakeBmp24(16, 16, [](int x, int y) { return (x + y) % 2 ? 0xC81E28u : 0x14B45Au; });
}

std::size_t ThreadsOfThisProcess() { return qv::test::ThreadIdsOf().size(); }

std::int32_t ScreenshotWidth(quorvela::RunState& state) {
  const auto shot = state.screenshot.snapshot();
  std::int32_t width = 0;
  if (shot->size() >= 54) std::memcpy(&width, shot->data() + 18, 4);
  return width;
}

class RunRoad : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { dll_ = new qv::test::PixfarrowDll; }
  static void TearDownTestSuite() {
    delete dll_;
    dll_ = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(qv::test::BindPixfarrow(*dll_, library)); }
  void TearDown() override {
    // The worker uses the run state and the library: it must be gone before they are.
    state.running = 0;
    EXPECT_TRUE(qv::test::WaitUntil([&] { return !road.workerAlive(); }));
  }
  // Rounds the worker makes in half a second.
  int RoundsInHalfASecond() {
    const int from = state.roundCount.load();
    Sleep(500);
    return state.roundCount.load() - from;
  }
  bool RoundsGoOn(int more = 5) {
    const int from = state.roundCount.load();
    return qv::test::WaitUntil([&] { return state.roundCount.load() >= from + more; });
  }

  static qv::test::PixfarrowDll* dll_;
  quorvela::win::BoundLibrary library;
  quorvela::RunState state;
  qv::test::RecordingRoad road{state, library};
  Calls& calls = road.calls;
};

qv::test::PixfarrowDll* RunRoad::dll_ = nullptr;

TEST_F(RunRoad, ReadyCheckNeedsTheWindowFirstThenATarget) {
  struct Case {
    const char* what;
    bool standin;
    bool target;
    std::int32_t ready;
    Calls calls;
  };
  const Case cases[] = {
      {"no window, no target", false, false, 0, {kWindowError}},
      {"no window", false, true, 0, {kWindowError}},
      {"no target", true, false, 0, {kTargetError}},
      {"both", true, true, 1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::unique_ptr<qv::test::StandIn> standin;
    if (c.standin) standin = std::make_unique<qv::test::StandIn>();
    state.targetImage.replace(c.target ? Target() : ByteBuffer{});
    calls.clear();
    EXPECT_EQ(road.CheckReady(), c.ready);
    EXPECT_EQ(calls, c.calls);
    EXPECT_EQ(state.windowHandle.load() != 0, c.standin);
  }
}

TEST_F(RunRoad, PaintedTargetGivesOneBurstOf1000EnterPairsThenTheWorkerEnds) {
  qv::test::StandIn standin;
  ASSERT_NE(standin.window(), nullptr);
  state.targetImage.replace(Target());
  ASSERT_EQ(road.CheckReady(), 1);
  ASSERT_EQ(road.ToggleRunNow(), 2);
  EXPECT_EQ(calls, (Calls{"log 2 [提示]软件已运行", "image 508", "text 立刻运行 当前:已运行", "interval 1000"}));
  ASSERT_TRUE(RoundsGoOn());
  EXPECT_EQ(state.running.load(), 1);

  ASSERT_TRUE(standin.PaintTarget(Target(), 300, 200));
  EXPECT_TRUE(qv::test::WaitUntil([&] { return !road.workerAlive(); }));
  EXPECT_EQ(state.running.load(), 0);
  // The worker has ended: every press it made is in the record once the queue is through.
  const qv::test::StandInRecord record = standin.ReadRecordWhenDelivered();
  int downs = 0, ups = 0;
  for (const auto& m : record.messages) {
    downs += m.message == WM_KEYDOWN && m.wParam == VK_RETURN;
    ups += m.message == WM_KEYUP && m.wParam == VK_RETURN;
  }
  EXPECT_EQ(downs, 1000);
  EXPECT_EQ(ups, 1000);
  EXPECT_EQ(record.messages.size(), 2000u);

  calls.clear();
  road.GaugeTimerTick();
  EXPECT_EQ(calls, (Calls{"gauge 0", "interval 0", "log 2 [提示]软件已停止运行", "text 立刻运行 当前:未运行",
                          "image 507"}));
}

TEST_F(RunRoad, WeChatClosedDuringARunFallsBackToTheWholeScreenAfterASearch) {
  auto standin = std::make_unique<qv::test::StandIn>();
  ASSERT_NE(standin->window(), nullptr);
  state.targetImage.replace(Target());
  ASSERT_EQ(road.CheckReady(), 1);
  ASSERT_EQ(road.ToggleRunNow(), 2);
  ASSERT_TRUE(RoundsGoOn());
  const int capturing = RoundsInHalfASecond();

  standin->Close();
  // The stale handle captures nothing; the rounds go on, each about as long as one that
  // captured (a round that only fails would make a thousand times as many).
  EXPECT_TRUE(qv::test::WaitUntil([&] { return state.screenshot.size() == 0; }));
  EXPECT_TRUE(RoundsGoOn());
  const int failing = RoundsInHalfASecond();
  EXPECT_LE(failing, 4 * capturing + 50) << capturing << " rounds capturing";
  calls.clear();
  EXPECT_EQ(road.FindWeChatWindow(), 0);
  EXPECT_EQ(calls, Calls{kWindowError});
  EXPECT_TRUE(qv::test::WaitUntil([&] { return ScreenshotWidth(state) == GetSystemMetrics(SM_CXSCREEN); }));
  EXPECT_TRUE(RoundsGoOn());
  EXPECT_EQ(state.running.load(), 1);
  EXPECT_EQ(road.ToggleRunNow(), 1);
}

TEST_F(RunRoad, StopAndStartAtOnceLeaveOneWorkerThread) {
  qv::test::StandIn standin;
  ASSERT_NE(standin.window(), nullptr);
  state.targetImage.replace(Target());
  ASSERT_EQ(road.CheckReady(), 1);
  const std::size_t idle = ThreadsOfThisProcess();
  ASSERT_EQ(road.ToggleRunNow(), 2);
  ASSERT_TRUE(RoundsGoOn());
  for (int i = 0; i < 20; ++i) {
    ASSERT_EQ(road.ToggleRunNow(), 1);
    ASSERT_EQ(road.ToggleRunNow(), 2);
  }
  // A worker that left the slot as a start came may still be ending; then one is left.
  EXPECT_TRUE(qv::test::WaitUntil([&] { return ThreadsOfThisProcess() == idle + 1; }))
      << ThreadsOfThisProcess() - idle << " worker threads";
  EXPECT_TRUE(RoundsGoOn());
  road.ToggleRunNow();
  EXPECT_TRUE(qv::test::WaitUntil([&] { return !road.workerAlive() && ThreadsOfThisProcess() == idle; }));
}

}  // namespace
