#pragma once
// Keeps one automation worker at a time. A start claims the slot and creates a thread only
// when no worker holds it; a worker that sees the run over leaves the slot and, when a new
// run began meanwhile and nobody claimed the slot, takes it back and goes on.
#include <atomic>
#include <cstdint>

namespace quorvela {

class WorkerSlot {
 public:
  // True when the caller must start a worker (the slot was free and is now held).
  bool claim() { return !held_.exchange(true); }
  // For a start whose thread could not be created.
  void release() { held_.store(false); }
  // The worker saw running = 0: true when it must go on instead of ending.
  bool leave(const std::atomic<std::int32_t>& running) {
    held_.store(false);
    return running.load() != 0 && claim();
  }
  bool held() const { return held_.load(); }

 private:
  std::atomic<bool> held_{false};
};

}  // namespace quorvela
