// What the automation worker itself adds to a round, natively: the counter, the flags, the
// capture's storage, the stored screenshot and the target's snapshot, the round's clock,
// with a capture and a search that do nothing. Against the same rounds with a fresh buffer
// for each capture.
#include <benchmark/benchmark.h>

#include "app/core/run/automation_worker_loop.h"

namespace quorvela {
namespace {

// An 808 x 627 window at 24 bits.
constexpr std::size_t kCaptureBytes = 54 + 2424 * 627;

class IdleCalls : public WorkerCalls {
 public:
  IdleCalls(RunState& state, int rounds, bool freshBuffers) : state_(state), left_(rounds), fresh_(freshBuffers) {}

  ByteBuffer capture(std::uint32_t, ByteBuffer storage) override {
    if (--left_ == 0) state_.running.store(0);
    if (fresh_) return ByteBuffer(kCaptureBytes);
    storage.resize(kCaptureBytes);
    return storage;
  }
  std::int32_t findImage(const ByteBuffer& shot, const ByteBuffer&) override {
    benchmark::DoNotOptimize(shot.data());
    return 0;
  }
  void pressSendKey(std::uint32_t) override {}

 private:
  RunState& state_;
  int left_;
  bool fresh_;
};

void Rounds(benchmark::State& bench, bool freshBuffers) {
  constexpr int kRounds = 1000;
  RunState state;
  state.targetImage.replace(ByteBuffer(1254, 1));
  WorkerSlot slot;
  for (auto _ : bench) {
    IdleCalls calls(state, kRounds, freshBuffers);
    state.running.store(1);
    slot.claim();
    RunAutomationWorker(state, slot, calls);
  }
  bench.SetItemsProcessed(bench.iterations() * kRounds);
}

void BM_WorkerRound(benchmark::State& bench) { Rounds(bench, false); }
void BM_WorkerRoundFreshBuffer(benchmark::State& bench) { Rounds(bench, true); }

BENCHMARK(BM_WorkerRound);
BENCHMARK(BM_WorkerRoundFreshBuffer);

}  // namespace
}  // namespace quorvela
