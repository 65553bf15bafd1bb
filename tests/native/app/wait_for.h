#pragma once
// Waiting for another thread's event in a native test: polls the condition itself, with a
// ceiling that only a missing event reaches.
#include <chrono>
#include <functional>
#include <thread>

namespace quorvela::test {

inline bool waitFor(const std::function<bool()>& condition) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::yield();
  }
  return true;
}

}  // namespace quorvela::test
