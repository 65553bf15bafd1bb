// The worker's rounds on one thread, with the GUI thread's actions scripted into them.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/core/run/automation_worker_loop.h"
#include "app/core/run/run_now.h"
#include "tests/native/app/fake_run_port.h"
#include "tests/native/app/fake_worker_calls.h"

namespace quorvela {
namespace {

constexpr std::uint32_t kWindow = 0x1234;

struct WorkerRun {
  RunState state;
  WorkerSlot slot;
  test::FakeWorkerCalls calls{state};

  WorkerRun() {
    state.windowHandle = kWindow;
    state.targetImage.replace(ByteBuffer(30, 2));
    state.running = 1;
    slot.claim();
  }
  void work() { RunAutomationWorker(state, slot, calls); }
};

TEST(AutomationWorker, AnyNonZeroAnswerIsAHitThatStopsTheRunBeforeOneBurst) {
  for (std::int32_t answer : {1, -1, 7}) {
    SCOPED_TRACE(answer);
    WorkerRun run;
    run.calls.answerOf = [&](int round) { return round == 3 ? answer : 0; };
    run.work();
    EXPECT_EQ(run.calls.rounds.load(), 3);
    EXPECT_EQ(run.state.roundCount.load(), 3);
    ASSERT_EQ(run.calls.presses.size(), 1u);
    EXPECT_EQ(run.calls.presses[0].window, kWindow);
    EXPECT_EQ(run.calls.presses[0].runningAtPress, 0);
    EXPECT_EQ(run.state.running.load(), 0);
    EXPECT_FALSE(run.slot.held());
  }
}

TEST(AutomationWorker, NotRunningAtItsStartEndsWithoutARound) {
  WorkerRun run;
  run.state.running = 0;
  run.work();
  EXPECT_EQ(run.calls.rounds.load(), 0);
  EXPECT_FALSE(run.slot.held());
}

TEST(AutomationWorker, ReadsTheHandleAfreshForEachCaptureAndThePress) {
  WorkerRun run;
  // A window search on the GUI thread finds WeChat gone during round 2.
  run.calls.duringCapture = [&](int round) {
    if (round == 2) run.state.windowHandle = 0;
  };
  run.calls.answerOf = [](int round) { return round == 3 ? 1 : 0; };
  run.work();
  EXPECT_EQ(run.calls.capturedWindows, (std::vector<std::uint32_t>{kWindow, kWindow, 0}));
  ASSERT_EQ(run.calls.presses.size(), 1u);
  EXPECT_EQ(run.calls.presses[0].window, 0u);
}

TEST(AutomationWorker, TakesTheTargetAnewEachRound) {
  WorkerRun run;
  // Every capture shows the target that the user is about to take: 20 bytes of 5.
  run.calls.shotOf = [](int) {
    ByteBuffer shot(64, 1);
    std::fill_n(shot.begin() + 10, 20, 5);
    return shot;
  };
  // A capture on the GUI thread replaces the target while round 2 searches.
  run.calls.duringSearch = [&](int round) {
    if (round == 2) run.state.targetImage.replace(ByteBuffer(20, 5));
  };
  run.work();
  EXPECT_EQ(run.calls.searchedTargets,
            (std::vector<ByteBuffer>{ByteBuffer(30, 2), ByteBuffer(30, 2), ByteBuffer(20, 5)}));
  EXPECT_EQ(run.calls.rounds.load(), 3);
  ASSERT_EQ(run.calls.presses.size(), 1u);
  EXPECT_EQ(run.calls.presses[0].runningAtPress, 0);
}

TEST(AutomationWorker, FailedCaptureIsSearchedEmptyStoredAndCounted) {
  WorkerRun run;
  run.state.screenshot.replace(ByteBuffer(99, 9));
  run.calls.shotOf = [](int) { return ByteBuffer{}; };
  run.calls.duringCapture = [&](int round) {
    if (round == 4) run.state.running = 0;
  };
  run.work();
  EXPECT_EQ(run.calls.searchedShotSizes, (std::vector<std::size_t>{0, 0, 0, 0}));
  EXPECT_EQ(run.state.screenshot.size(), 0);
  EXPECT_EQ(run.state.roundCount.load(), 4);
  EXPECT_TRUE(run.calls.presses.empty());
}

TEST(AutomationWorker, StopDuringARoundFinishesItAndItsHitStillPresses) {
  WorkerRun run;
  run.calls.duringCapture = [&](int round) {
    if (round == 2) run.state.running = 0;
  };
  run.calls.answerOf = [](int round) { return round == 2 ? 1 : 0; };
  run.work();
  EXPECT_EQ(run.calls.rounds.load(), 2);
  EXPECT_EQ(run.calls.presses.size(), 1u);
}

TEST(AutomationWorker, StoresEachRoundsOwnCapture) {
  WorkerRun run;
  run.calls.shotOf = [](int round) { return ByteBuffer(static_cast<std::size_t>(100 + round), 3); };
  run.calls.duringCapture = [&](int round) {
    if (round == 2) run.state.running = 0;
  };
  run.work();
  EXPECT_EQ(run.calls.searchedShotSizes, (std::vector<std::size_t>{101, 102}));
  EXPECT_EQ(run.state.screenshot.size(), 102);
}

TEST(AutomationWorker, ReusesAnOlderCaptureOnlyWhenNobodyReadsIt) {
  struct Case {
    const char* what;
    bool readerKeepsRoundTwo;
    std::vector<std::size_t> storageSizes;
  };
  const Case cases[] = {
      {"no reader", false, {0, 0, 101, 102, 103}},
      {"a test find keeps round 2's capture", true, {0, 0, 101, 0, 103}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WorkerRun run;
    SharedImageBytes::Snapshot kept;
    run.calls.shotOf = [](int round) { return ByteBuffer(static_cast<std::size_t>(100 + round), 3); };
    run.calls.duringCapture = [&](int round) {
      if (round == 3 && c.readerKeepsRoundTwo) kept = run.state.screenshot.snapshot();
      if (round == 5) run.state.running = 0;
    };
    run.work();
    EXPECT_EQ(run.calls.storageSizes, c.storageSizes);
    if (kept) {
      EXPECT_EQ(*kept, ByteBuffer(102, 3));
    }
  }
}

TEST(AutomationWorker, StartDuringTheBurstIsCarriedOnByThisWorker) {
  WorkerRun run;
  test::FakeRunNowPort port;
  run.calls.answerOf = [](int round) { return round == 1 ? 1 : 0; };
  run.calls.duringPress = [&] { ToggleRunNow(run.state, run.slot, port); };
  run.calls.duringCapture = [&](int round) {
    if (round == 3) run.state.running = 0;
  };
  run.work();
  EXPECT_EQ(std::count(port.calls.begin(), port.calls.end(), "startWorker"), 0);
  EXPECT_EQ(run.calls.rounds.load(), 3);
  EXPECT_FALSE(run.slot.held());
}

// A start that found the slot held started no thread: the leaving worker must stay.
TEST(WorkerSlot, LeavingWorkerStaysOnlyForARunThatNobodyElseServes) {
  struct Case {
    const char* what;
    std::int32_t running;
    bool goesOn;
  };
  const Case cases[] = {
      {"run over", 0, false},
      {"run started while the slot was held", 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WorkerSlot slot;
    ASSERT_TRUE(slot.claim());
    EXPECT_FALSE(slot.claim());
    std::atomic<std::int32_t> running{c.running};
    EXPECT_EQ(slot.leave(running), c.goesOn);
    EXPECT_EQ(slot.held(), c.goesOn);
  }
}

}  // namespace
}  // namespace quorvela
