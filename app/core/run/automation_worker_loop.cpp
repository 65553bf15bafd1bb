#include "app/core/run/automation_worker_loop.h"

#include "app/core/run/capture_storage.h"

namespace quorvela {

namespace {

class Rounds {
 public:
  Rounds(RunState& state, WorkerCalls& calls) : state_(state), calls_(calls) {}

  // One round; nothing else belongs in here (the gauge measures it).
  void run() {
    state_.roundCount.fetch_add(1);
    // The round searches its own capture, even when a test find replaces the stored one.
    const SharedImageBytes::Snapshot shot =
        storage_.share(calls_.capture(state_.windowHandle.load(), storage_.take()));
    state_.screenshot.replaceShared(shot);
    const SharedImageBytes::Snapshot target = state_.targetImage.snapshot();
    if (calls_.findImage(*shot, *target) != 0) {
      state_.running.store(0);
      calls_.pressSendKey(state_.windowHandle.load());
    }
  }

 private:
  RunState& state_;
  WorkerCalls& calls_;
  CaptureStorage storage_;
};

}  // namespace

void RunAutomationWorker(RunState& state, WorkerSlot& slot, WorkerCalls& calls) {
  Rounds rounds(state, calls);
  do {
    while (state.running.load() != 0) rounds.run();
  } while (slot.leave(state.running));
}

}  // namespace quorvela
