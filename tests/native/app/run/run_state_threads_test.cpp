// The run state between the GUI thread and the worker: the real worker loop against the
// gauge's tick and the run button's toggle (run this program under TSan too).
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "app/core/gauge/gauge_tick.h"
#include "app/core/run/automation_worker_loop.h"
#include "app/core/run/run_now.h"
#include "app/core/run/run_state.h"
#include "tests/native/app/run/fake_run_port.h"
#include "tests/native/app/run/fake_worker_calls.h"
#include "tests/support/poll_until.h"

namespace quorvela {
namespace {

using Calls = std::vector<std::string>;

const Calls kStopSequence = {"gauge 0", "interval 0", "log 2 [提示]软件已停止运行", "text 立刻运行 当前:未运行",
                             "image 507"};

using qv::test::PollUntil;

TEST(RunStateThreads, NoRoundLostBetweenTheGaugesExchangeAndTheWorkersAdd) {
  constexpr int kRounds = 100000;
  RunState state;
  WorkerSlot slot;
  test::FakeWorkerCalls calls{state};
  calls.answerOf = [](int round) { return round == kRounds ? 1 : 0; };
  state.running = 1;
  slot.claim();
  std::thread worker([&] { RunAutomationWorker(state, slot, calls); });
  // The GUI thread's ticks, back to back, until one finds the run ended by the hit.
  test::FakeRunNowPort page;
  std::int64_t shown = 0;
  for (;;) {
    page.calls.clear();
    GaugeTick(state, page);
    if (page.calls.size() != 1) break;
    shown += std::stoll(page.calls[0].substr(std::string("gauge ").size()));
  }
  worker.join();
  EXPECT_EQ(page.calls, kStopSequence);
  // Rounds after the last running tick wait for the next run's first tick.
  EXPECT_EQ(shown + state.roundCount.load(), kRounds);
  EXPECT_EQ(calls.rounds.load(), kRounds);
  EXPECT_EQ(calls.presses.size(), 1u);
}

TEST(RunStateThreads, WorkerSeesTheRunningFlagClearedByTheGui) {
  RunState state;
  WorkerSlot slot;
  test::FakeWorkerCalls calls{state};
  test::FakeRunNowPort page;  // its startWorker only says yes: the test starts the thread
  ASSERT_EQ(ToggleRunNow(state, slot, page), kToggleStarted);
  std::thread worker([&] { RunAutomationWorker(state, slot, calls); });
  EXPECT_TRUE(PollUntil([&] { return calls.rounds.load() >= 100; }));
  EXPECT_EQ(ToggleRunNow(state, slot, page), kToggleToldToStop);
  worker.join();  // ends after the round it was in
  EXPECT_FALSE(slot.held());
  EXPECT_TRUE(calls.presses.empty());
  EXPECT_EQ(state.roundCount.load(), calls.rounds.load());
  page.calls.clear();
  GaugeTick(state, page);
  EXPECT_EQ(page.calls, kStopSequence);
}

// Each buffer is one byte value repeated value times: a mixture or a freed buffer shows.
ByteBuffer patterned(std::uint8_t value) { return ByteBuffer(value, value); }

bool wholeBuffer(const ByteBuffer& bytes) {
  if (bytes.empty()) return false;
  for (std::uint8_t b : bytes)
    if (b != bytes.size()) return false;
  return true;
}

TEST(RunStateThreads, ReplacedTargetIsEitherOldOrNewInEachRound) {
  RunState state;
  state.targetImage.replace(patterned(1));
  std::atomic<bool> stop{false};
  std::atomic<int> bad{0};
  std::atomic<int> rounds{0};
  std::thread worker([&] {
    while (!stop.load()) {
      const auto target = state.targetImage.snapshot();
      state.screenshot.replace(patterned(static_cast<std::uint8_t>(1 + rounds % 200)));
      const auto shot = state.screenshot.snapshot();
      // The round works on both snapshots while the GUI thread replaces the target.
      if (!wholeBuffer(*target) || !wholeBuffer(*shot)) ++bad;
      ++rounds;
    }
  });
  for (int i = 0; i < 20000; ++i) {
    state.targetImage.replace(patterned(static_cast<std::uint8_t>(1 + i % 250)));
    // Read before the snapshot: a round is counted only after its capture was stored.
    const bool captured = rounds.load() > 0;
    if (captured && !wholeBuffer(*state.screenshot.snapshot())) ++bad;
  }
  while (rounds.load() < 100) std::this_thread::yield();
  stop = true;
  worker.join();
  EXPECT_EQ(bad.load(), 0);
}

}  // namespace
}  // namespace quorvela
