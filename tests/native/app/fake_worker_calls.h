#pragma once
// A scripted capture, search and send for the worker's rounds. The search finds the target
// where the shot holds its bytes, as the library finds an image, or where answerOf says so.
// Each hook may act for the GUI thread at that moment of a round (rewrite the handle or the
// target, stop or start a run).
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "app/core/run/run_ports.h"
#include "app/core/run_state.h"

namespace quorvela::test {

class FakeWorkerCalls : public WorkerCalls {
 public:
  explicit FakeWorkerCalls(RunState& state) : state_(state) {}

  struct Press {
    std::uint32_t window;
    std::int32_t runningAtPress;
  };

  // Per round (1-based): the capture's bytes and the search's answer.
  std::function<ByteBuffer(int round)> shotOf = [](int) { return ByteBuffer(64, 1); };
  std::function<std::int32_t(int round)> answerOf = [](int) { return 0; };
  std::function<void(int round)> duringCapture = [](int) {};
  std::function<void(int round)> duringSearch = [](int) {};
  std::function<void()> duringPress = [] {};

  std::vector<std::uint32_t> capturedWindows;
  std::vector<std::size_t> storageSizes;  // of the earlier capture handed back
  std::vector<std::size_t> searchedShotSizes;
  std::vector<ByteBuffer> searchedTargets;
  std::vector<Press> presses;
  std::atomic<int> rounds{0};

  ByteBuffer capture(std::uint32_t window, ByteBuffer storage) override {
    const int round = ++rounds;
    capturedWindows.push_back(window);
    storageSizes.push_back(storage.size());
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

 private:
  RunState& state_;
};

}  // namespace quorvela::test
