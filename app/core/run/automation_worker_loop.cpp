#include "app/core/run/automation_worker_loop.h"

#include <optional>

#include "app/core/run/capture_storage.h"
#include "app/core/run/round_pace.h"

namespace quorvela {

namespace {

class Rounds {
 public:
  Rounds(RunState& state, WorkerCalls& calls) : state_(state), calls_(calls) {}

  // One round; nothing else belongs in here (the gauge measures it).
  void run() {
    const auto start = calls_.now();
    state_.roundCount.fetch_add(1);
    // The round searches its own capture, even when a test find replaces the stored one.
    const SharedImageBytes::Snapshot shot =
        storage_.share(calls_.capture(state_.windowHandle.load(), storage_.take()));
    state_.screenshot.replaceShared(shot);
    const SharedImageBytes::Snapshot target = state_.targetImage.snapshot();
    if (calls_.findImage(*shot, *target) != 0) {
      state_.running.store(0);
      calls_.pressSendKey(state_.windowHandle.load());
      return;
    }
    const auto spent = std::chrono::duration_cast<RoundPace::Length>(calls_.now() - start);
    if (!shot->empty()) {
      pace_.normalRound(spent);
    } else if (const RoundPace::Length wait = pace_.waitAfterFailure(spent); wait > RoundPace::Length::zero()) {
      calls_.pause(wait);
    }
  }

 private:
  RunState& state_;
  WorkerCalls& calls_;
  CaptureStorage storage_;
  RoundPace pace_;
};

}  // namespace

void RunAutomationWorker(RunState& state, WorkerSlot& slot, WorkerCalls& calls) {
  std::optional<Rounds> rounds;
  do {
    try {
      if (!rounds) rounds.emplace(state, calls);
      while (state.running.load() != 0) rounds->run();
    } catch (...) {
      // A failure inside a round (a lock, an allocation) ends the run as a stop does: the
      // gauge's next tick shows it stopped, and the process goes on.
      rounds.reset();
      state.running.store(0);
    }
  } while (slot.leave(state.running));
}

}  // namespace quorvela
