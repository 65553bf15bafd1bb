// The worker's rounds on one thread, with the GUI thread's actions scripted into them.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <system_error>

#include "app/core/gauge/gauge_tick.h"
#include "app/core/run/automation_worker_loop.h"
#include "app/core/run/round_pace.h"
#include "app/core/run/run_now.h"
#include "tests/native/app/run/fake_run_port.h"
#include "tests/native/app/run/fake_worker_calls.h"

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

// With the window gone each capture fails at once: such a round waits out the rest of a
// normal round instead of spinning.
TEST(AutomationWorker, FailedCaptureWaitsOutTheLengthOfANormalRound) {
  using Micros = std::chrono::microseconds;
  using Pause = test::FakeWorkerCalls::Pause;
  struct Round {
    bool captured;
    Micros takes;
  };
  struct Case {
    const char* what;
    std::vector<Round> rounds;
    std::vector<Pause> pauses;
  };
  const Micros normal{4000};
  const Case cases[] = {
      {"window closed after two rounds",
       {{true, normal}, {true, normal}, {false, Micros{0}}, {false, Micros{0}}},
       {{3, normal}, {4, normal}}},
      {"a failure that took a while waits the rest",
       {{true, normal}, {false, Micros{1500}}},
       {{2, Micros{2500}}}},
      {"a failure slower than a normal round does not wait", {{true, normal}, {false, Micros{6000}}}, {}},
      {"gone before the first capture: a first guess", {{false, Micros{0}}}, {{1, RoundPace::kFirstGuess}}},
      {"back again: no wait", {{true, normal}, {false, Micros{0}}, {true, normal}}, {{2, normal}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WorkerRun run;
    const std::vector<Round>& rounds = c.rounds;
    run.calls.captureTakes = [&](int round) { return rounds[round - 1].takes; };
    run.calls.shotOf = [&](int round) { return rounds[round - 1].captured ? ByteBuffer(64, 1) : ByteBuffer{}; };
    run.calls.duringCapture = [&](int round) {
      if (round == static_cast<int>(rounds.size())) run.state.running = 0;
    };
    run.work();
    EXPECT_EQ(run.calls.pauses, c.pauses);
    EXPECT_EQ(run.state.roundCount.load(), static_cast<int>(rounds.size()));
  }
}

TEST(RoundPace, NormalLengthIsSmoothedAndBounded) {
  using Micros = std::chrono::microseconds;
  RoundPace pace;
  EXPECT_EQ(pace.normal(), RoundPace::kFirstGuess);
  pace.normalRound(Micros{4000});
  EXPECT_EQ(pace.normal(), Micros{4000});  // the first round sets it
  pace.normalRound(Micros{12000});
  EXPECT_EQ(pace.normal(), Micros{5000});  // one slow round moves it an eighth of the way
  pace.normalRound(Micros{-5});
  EXPECT_EQ(pace.normal(), Micros{4375});
  RoundPace stalled;
  stalled.normalRound(std::chrono::hours{1});
  EXPECT_EQ(stalled.normal(), RoundPace::kLongest);
}

// A failure inside a round must not end the process: the run ends as a stop does, and the
// next run gets a worker of its own.
TEST(AutomationWorker, ExceptionInARoundEndsTheRunAndTheGaugeTickShowsTheStop) {
  struct Case {
    const char* what;
    std::function<void(WorkerRun&)> arrange;
  };
  const Case cases[] = {
      {"a lock fails in the capture",
       [](WorkerRun& run) {
         run.calls.duringCapture = [](int round) {
           if (round == 3) throw std::system_error(std::make_error_code(std::errc::resource_deadlock_would_occur));
         };
       }},
      {"a buffer too long for the search",
       [](WorkerRun& run) {
         run.calls.answerOf = [](int round) -> std::int32_t {
           if (round == 2) throw std::length_error("vector::_M_default_append");
           return 0;
         };
       }},
      {"the send burst fails after a start during it",
       [](WorkerRun& run) {
         run.calls.answerOf = [](int) { return 1; };
         run.calls.duringPress = [&run] {
           test::FakeRunNowPort port;
           ToggleRunNow(run.state, run.slot, port);
           throw std::runtime_error("burst");
         };
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WorkerRun run;
    c.arrange(run);
    EXPECT_NO_THROW(run.work());
    EXPECT_EQ(run.state.running.load(), 0);
    EXPECT_FALSE(run.slot.held());

    test::FakeRunNowPort port;
    GaugeTick(run.state, port);
    EXPECT_EQ(port.calls, (std::vector<std::string>{"gauge 0", "interval 0", "log 2 [提示]软件已停止运行",
                                                    "text 立刻运行 当前:未运行", "image 507"}));
    port.calls.clear();
    ASSERT_EQ(ToggleRunNow(run.state, run.slot, port), kToggleStarted);
    EXPECT_EQ(std::count(port.calls.begin(), port.calls.end(), "startWorker"), 1);
  }
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
