#include "app/core/run/automation_worker_loop.h"

#include <memory>

namespace quorvela {

namespace {

class Rounds {
 public:
  Rounds(RunState& state, WorkerCalls& calls) : state_(state), calls_(calls) {}

  // One round; nothing else belongs in here (the gauge measures it).
  void run() {
    state_.roundCount.fetch_add(1);
    // The round searches its own capture, even when a test find replaces the stored one.
    auto shot = std::make_shared<ByteBuffer>(calls_.capture(state_.windowHandle.load(), takeStorage()));
    state_.screenshot.replaceShared(shot);
    previous_ = shot;
    const SharedImageBytes::Snapshot target = state_.targetImage.snapshot();
    if (calls_.findImage(*shot, *target) != 0) {
      state_.running.store(0);
      calls_.pressSendKey(state_.windowHandle.load());
    }
  }

 private:
  // The capture of two rounds back, unless someone still reads it (the last one is still
  // stored): the next capture writes over it instead of taking fresh pages.
  ByteBuffer takeStorage() {
    ByteBuffer storage;
    if (older_ && older_.use_count() == 1) storage = std::move(*older_);
    older_ = std::move(previous_);
    return storage;
  }

  RunState& state_;
  WorkerCalls& calls_;
  std::shared_ptr<ByteBuffer> previous_;
  std::shared_ptr<ByteBuffer> older_;
};

}  // namespace

void RunAutomationWorker(RunState& state, WorkerSlot& slot, WorkerCalls& calls) {
  Rounds rounds(state, calls);
  do {
    while (state.running.load() != 0) rounds.run();
  } while (slot.leave(state.running));
}

}  // namespace quorvela
