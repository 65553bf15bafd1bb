// The worker on its own threads against the GUI thread's toggles (run under TSan too).
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "app/core/run/automation_worker_loop.h"
#include "app/core/run/run_now.h"
#include "tests/support/poll_until.h"

namespace quorvela {
namespace {

// Counts rounds and how many run at the same moment; never hits.
class CountingCalls : public WorkerCalls {
 public:
  std::atomic<int> rounds{0};
  std::atomic<int> inRound{0};
  std::atomic<int> mostAtOnce{0};

  ByteBuffer capture(std::uint32_t, ByteBuffer) override {
    const int now = ++inRound;
    int most = mostAtOnce.load();
    while (now > most && !mostAtOnce.compare_exchange_weak(most, now)) {
    }
    return ByteBuffer(16, 1);
  }
  std::int32_t findImage(const ByteBuffer&, const ByteBuffer&) override {
    std::this_thread::yield();  // widen the round, so that a second worker would overlap
    --inRound;
    ++rounds;
    return 0;
  }
  void pressSendKey(std::uint32_t) override {}
};

// Starts real threads; joined by the test.
class ThreadPort : public RunNowPort {
 public:
  ThreadPort(RunState& state, WorkerSlot& slot, WorkerCalls& calls) : state_(state), slot_(slot), calls_(calls) {}
  ~ThreadPort() override { joinAll(); }

  std::vector<std::thread> threads;

  void joinAll() {
    for (std::thread& t : threads) t.join();
    threads.clear();
  }
  std::uint32_t searchWeChatWindow() override { return 1; }
  bool startWorker() override {
    threads.emplace_back([this] { RunAutomationWorker(state_, slot_, calls_); });
    return true;
  }
  void appendRunLog(int, std::string_view) override {}
  void setRunButtonImage(int) override {}
  void setRunButtonText(std::string_view) override {}
  void setGaugeInterval(int) override {}

 private:
  RunState& state_;
  WorkerSlot& slot_;
  WorkerCalls& calls_;
};

using qv::test::PollUntil;

TEST(AutomationWorkerThreads, StopFromTheGuiThreadEndsTheWorkerAfterItsRound) {
  RunState state;
  WorkerSlot slot;
  CountingCalls calls;
  ThreadPort port(state, slot, calls);
  ASSERT_EQ(ToggleRunNow(state, slot, port), kToggleStarted);
  ASSERT_TRUE(PollUntil([&] { return calls.rounds.load() >= 100; }));
  EXPECT_EQ(ToggleRunNow(state, slot, port), kToggleToldToStop);
  port.joinAll();
  EXPECT_FALSE(slot.held());
  EXPECT_EQ(calls.inRound.load(), 0);
  EXPECT_EQ(state.roundCount.load(), calls.rounds.load());
}

TEST(AutomationWorkerThreads, StopAndStartAtOnceNeverGiveTwoWorkersNorARunWithout) {
  RunState state;
  WorkerSlot slot;
  CountingCalls calls;
  ThreadPort port(state, slot, calls);
  ToggleRunNow(state, slot, port);
  for (int i = 0; i < 3000; ++i) {
    ToggleRunNow(state, slot, port);  // stop
    if (i % 3 == 0) std::this_thread::yield();
    ToggleRunNow(state, slot, port);  // start
  }
  // The last start left a run: some worker must still be doing rounds.
  const int before = calls.rounds.load();
  EXPECT_TRUE(PollUntil([&] { return calls.rounds.load() > before + 50; }));
  ToggleRunNow(state, slot, port);
  port.joinAll();
  EXPECT_EQ(calls.mostAtOnce.load(), 1);
  EXPECT_FALSE(slot.held());
}

// Writes each capture over the storage it is handed, one byte value throughout.
class OverwritingCalls : public WorkerCalls {
 public:
  static constexpr std::size_t kBytes = 4096;
  std::atomic<int> rounds{0};

  ByteBuffer capture(std::uint32_t, ByteBuffer storage) override {
    storage.assign(kBytes, static_cast<std::uint8_t>(1 + ++rounds % 250));
    return storage;
  }
  std::int32_t findImage(const ByteBuffer&, const ByteBuffer&) override { return 0; }
  void pressSendKey(std::uint32_t) override {}
};

// A test find on the GUI thread reads the stored capture while the worker writes later
// captures over earlier ones: a capture that a reader still holds is never written over
// (under TSan, not even one the reader has just let go without an ordering).
TEST(AutomationWorkerThreads, ReusedCaptureIsNeverWrittenUnderAReader) {
  RunState state;
  WorkerSlot slot;
  OverwritingCalls calls;
  state.running = 1;
  slot.claim();
  std::thread worker([&] { RunAutomationWorker(state, slot, calls); });
  int torn = 0;
  const auto ceiling = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  for (int reads = 0; (reads < 20000 || calls.rounds.load() < 2000) && std::chrono::steady_clock::now() < ceiling;
       ++reads) {
    const SharedImageBytes::Snapshot shot = state.screenshot.snapshot();
    if (shot->empty()) continue;
    const std::uint8_t first = shot->front();
    for (std::uint8_t b : *shot) torn += b != first;
    torn += shot->size() != OverwritingCalls::kBytes;
  }
  state.running = 0;
  worker.join();
  EXPECT_EQ(torn, 0);
  EXPECT_GE(calls.rounds.load(), 2000);
  EXPECT_FALSE(slot.held());
}

}  // namespace
}  // namespace quorvela
