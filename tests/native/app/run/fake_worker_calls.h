#pragma once
// A scripted capture, search and send for the worker's rounds, on a clock of their own. The
// search finds the target where the shot holds its bytes, as the library finds an image, or
// where answerOf says so. Each hook may act for the GUI thread at that moment of a round
// (rewrite the handle or the target, stop or start a run) or throw.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "app/core/run/run_ports.h"
#include "app/core/run/run_state.h"

namespace quorvela::test {

class FakeWorkerCalls : public WorkerCalls {
 public:
  explicit FakeWorkerCalls(RunState& state) : state_(state) {}

  using Micros = std::chrono::microseconds;

  struct Press {
    std::uint32_t window;
    std::int32_t runningAtPress;
  };
  struct Pause {
    int round;
    Micros length;
    friend bool operator==(const Pause&, const Pause&) = default;
  };

  // Per round (1-based): the capture's bytes and the search's answer.
  std::function<ByteBuffer(int round)> shotOf = [](int) { return ByteBuffer(64, 1); };
  std::function<std::int32_t(int round)> answerOf = [](int) { return 0; };
  std::function<void(int round)> duringCapture = [](int) {};
  std::function<void(int round)> duringSearch = [](int) {};
  std::function<void()> duringPress = [] {};
  // How long each round's capture takes on the clock.
  std::function<Micros(int round)> captureTakes = [](int) { return Micros::zero(); };

  std::vector<std::uint32_t> capturedWindows;
  std::vector<std::size_t> storageSizes;  // of the earlier capture handed back
  std::vector<std::size_t> searchedShotSizes;
  std::vector<ByteBuffer> searchedTargets;
  std::vector<Press> presses;
  std::vector<Pause> pauses;
  std::atomic<int> rounds{0};

  ByteBuffer capture(std::uint32_t window, ByteBuffer storage) override {
    const int round = ++rounds;
    capturedWindows.push_back(window);
    storageSizes.push_back(storage.size());
    clock_ += captureTakes(round);
    duringCapture(round);
    return shotOf(round);
  }
  std::int32_t findImage(const ByteBuffer& shot, const ByteBuffer& target) override {
    const int round = rounds.load();
    duringSearch(round);
    searchedShotSizes.push_back(shot.size());
    searchedTargets.push_back(target);
    const bool shown =
        !target.empty() && std::search(shot.begin(), shot.end(), target.begin(), target.end()) != shot.end();
    return shown ? 1 : answerOf(round);
  }
  void pressSendKey(std::uint32_t window) override {
    presses.push_back({window, state_.running.load()});
    duringPress();
  }
  std::chrono::steady_clock::time_point now() override { return std::chrono::steady_clock::time_point(clock_); }
  void pause(Micros length) override {
    pauses.push_back({rounds.load(), length});
    clock_ += length;
  }

 private:
  RunState& state_;
  Micros clock_{0};
};

}  // namespace quorvela::test
