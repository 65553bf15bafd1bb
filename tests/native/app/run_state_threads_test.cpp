// The run state between the GUI thread and the worker (run this program under TSan too).
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/core/run_state.h"

namespace quorvela {
namespace {

TEST(RunStateThreads, NoRoundLostBetweenTheGaugesExchangeAndTheWorkersAdd) {
  RunState state;
  constexpr std::int32_t kRounds = 200000;
  std::atomic<bool> workerDone{false};
  std::thread worker([&] {
    for (std::int32_t i = 0; i < kRounds; ++i) ++state.roundCount;
    workerDone = true;
  });
  std::int64_t shown = 0;
  int ticks = 0;
  while (!workerDone.load()) {
    shown += state.roundCount.exchange(0);
    ++ticks;
  }
  worker.join();
  shown += state.roundCount.exchange(0);
  EXPECT_EQ(shown, kRounds);
  EXPECT_GT(ticks, 0);
}

TEST(RunStateThreads, WorkerSeesTheRunningFlagClearedByTheGui) {
  RunState state;
  state.running = 1;
  std::atomic<int> rounds{0};
  std::thread worker([&] {
    while (state.running.load()) ++rounds;
  });
  while (rounds.load() < 100) std::this_thread::yield();
  state.running = 0;
  worker.join();
  EXPECT_GE(rounds.load(), 100);
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
