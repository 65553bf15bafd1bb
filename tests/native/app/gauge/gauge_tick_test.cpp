// The gauge timer's tick on the GUI thread, against a fake page.
#include "app/core/gauge/gauge_tick.h"

#include <gtest/gtest.h>

#include "tests/native/app/run/fake_run_port.h"

namespace quorvela {
namespace {

using Calls = std::vector<std::string>;

TEST(GaugeTick, WhileRunningShowsTheRoundsTakenOutInOneExchange) {
  for (std::int32_t rounds : {0, 37, 51}) {
    RunState state;
    state.running = 1;
    state.roundCount = rounds;
    test::FakeRunNowPort port;
    GaugeTick(state, port);
    EXPECT_EQ(port.calls, Calls{"gauge " + std::to_string(rounds)});
    EXPECT_EQ(state.roundCount.load(), 0);
  }
}

TEST(GaugeTick, AfterTheRunShowsZeroStopsTheTimerLogsAndResetsTheButton) {
  RunState state;
  state.roundCount = 12;  // the last, unfinished second is shown with the next run
  test::FakeRunNowPort port;
  GaugeTick(state, port);
  EXPECT_EQ(port.calls,
            (Calls{"gauge 0", "interval 0", "log 2 [提示]软件已停止运行", "text 立刻运行 当前:未运行", "image 507"}));
  EXPECT_EQ(state.roundCount.load(), 12);
}

}  // namespace
}  // namespace quorvela
