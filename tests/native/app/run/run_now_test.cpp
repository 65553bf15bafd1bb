// The run-now road on the GUI thread: ready check and toggle, against a fake page.
#include <gtest/gtest.h>

#include "app/core/run/run_now.h"
#include "app/core/run/run_texts.h"
#include "tests/native/app/run/fake_run_port.h"

namespace quorvela {
namespace {

using Calls = std::vector<std::string>;

const std::string kWindowError = "log 0 [错误]没有找到微信窗口，请您打开微信";
const std::string kTargetError = "log 0 [错误]您还没有截取目标图，请点击旁边截图按钮";

TEST(RunNowReadyCheck, WindowFirstThenTarget) {
  struct Case {
    const char* what;
    std::uint32_t window;
    std::size_t targetBytes;
    std::int32_t ready;
    Calls calls;
  };
  const Case cases[] = {
      {"both there", 0x1234, 60, 1, {"search"}},
      {"no window", 0, 60, 0, {"search", kWindowError}},
      {"empty target", 0x1234, 0, 0, {"search", kTargetError}},
      {"neither: the missing window hides the missing target", 0, 0, 0, {"search", kWindowError}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RunState state;
    state.windowHandle = 0x9999;  // an earlier search's handle is always overwritten
    state.targetImage.replace(ByteBuffer(c.targetBytes, 7));
    test::FakeRunNowPort port;
    port.windowFound = c.window;
    EXPECT_EQ(CheckReady(state, port), c.ready);
    EXPECT_EQ(port.calls, c.calls);
    EXPECT_EQ(state.windowHandle.load(), c.window);
    EXPECT_EQ(state.running.load(), 0);
  }
}

TEST(RunNowToggle, StartSetsFlagsLogsShowsRunningStartsOneWorkerAndTheGauge) {
  RunState state;
  state.timedRunArmed = 1;
  state.roundCount = 5;  // rounds of an earlier run's last second stay for the next tick
  WorkerSlot slot;
  test::FakeRunNowPort port;
  EXPECT_EQ(ToggleRunNow(state, slot, port), kToggleStarted);
  EXPECT_EQ(port.calls, (Calls{"log 2 [提示]软件已运行", "image 508", "text 立刻运行 当前:已运行", "startWorker",
                               "interval 1000"}));
  EXPECT_EQ(state.running.load(), 1);
  EXPECT_EQ(state.timedRunArmed.load(), 0);
  EXPECT_EQ(state.roundCount.load(), 5);
  EXPECT_TRUE(slot.held());
}

TEST(RunNowToggle, PressWhileRunningOnlyClearsTheFlag) {
  RunState state;
  WorkerSlot slot;
  test::FakeRunNowPort port;
  ToggleRunNow(state, slot, port);
  port.calls.clear();
  EXPECT_EQ(ToggleRunNow(state, slot, port), kToggleToldToStop);
  EXPECT_TRUE(port.calls.empty());
  EXPECT_EQ(state.running.load(), 0);
}

TEST(RunNowToggle, StartWhileThePreviousWorkerHoldsTheSlotStartsNoThread) {
  RunState state;
  WorkerSlot slot;
  test::FakeRunNowPort port;
  ToggleRunNow(state, slot, port);
  ToggleRunNow(state, slot, port);  // stop: the worker is still in its round
  port.calls.clear();
  EXPECT_EQ(ToggleRunNow(state, slot, port), kToggleStarted);
  EXPECT_EQ(port.calls, (Calls{"log 2 [提示]软件已运行", "image 508", "text 立刻运行 当前:已运行", "interval 1000"}));
  EXPECT_EQ(state.running.load(), 1);
}

TEST(RunNowToggle, ThreadThatCannotBeCreatedStillShowsARunAndFreesTheSlot) {
  RunState state;
  WorkerSlot slot;
  test::FakeRunNowPort port;
  port.threadsStart = false;
  EXPECT_EQ(ToggleRunNow(state, slot, port), kToggleStarted);
  EXPECT_EQ(state.running.load(), 1);
  EXPECT_EQ(port.calls.back(), "interval 1000");
  EXPECT_FALSE(slot.held());
  // The next click stops it; the one after that tries a thread again.
  ToggleRunNow(state, slot, port);
  port.threadsStart = true;
  port.calls.clear();
  ToggleRunNow(state, slot, port);
  EXPECT_EQ(port.calls[3], "startWorker");
}

}  // namespace
}  // namespace quorvela
