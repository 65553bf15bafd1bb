#include "app/core/run/automation_worker_loop.h"

#include <memory>

namespace quorvela {

namespace {

// One round; nothing else belongs in here (the gauge measures it).
void runRound(RunState& state, WorkerCalls& calls) {
  state.roundCount.fetch_add(1);
  // The round searches its own capture, even when a test find replaces the stored one.
  auto shot = std::make_shared<const ByteBuffer>(calls.capture(state.windowHandle.load()));
  state.screenshot.replaceShared(shot);
  const SharedImageBytes::Snapshot target = state.targetImage.snapshot();
  if (calls.findImage(*shot, *target) != 0) {
    state.running.store(0);
    calls.pressSendKey(state.windowHandle.load());
  }
}

}  // namespace

void RunAutomationWorker(RunState& state, WorkerSlot& slot, WorkerCalls& calls) {
  do {
    while (state.running.load() != 0) runRound(state, calls);
  } while (slot.leave(state.running));
}

}  // namespace quorvela
