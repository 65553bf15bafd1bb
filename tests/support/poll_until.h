#pragma once
// Waiting for another thread's or process's event in a test: poll for the event itself,
// never sleep a fixed time. The ceiling only ends a wait for an event that does not come;
// it is long enough for a machine busy with other work. Portable: the native tests and
// the Windows tests wait the same way.
#include <chrono>
#include <thread>

namespace qv::test {

inline constexpr std::chrono::milliseconds kEventCeiling{30000};

// Polls until condition() holds, calling between() after each miss; false when the
// ceiling passes first.
template <class Condition, class Between>
bool PollUntil(Condition&& condition, std::chrono::milliseconds ceiling, Between&& between) {
  const auto until = std::chrono::steady_clock::now() + ceiling;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() > until) return false;
    between();
  }
}

// The same with nothing to do between the polls but to let other threads run.
template <class Condition>
bool PollUntil(Condition&& condition, std::chrono::milliseconds ceiling = kEventCeiling) {
  return PollUntil(condition, ceiling, [] { std::this_thread::yield(); });
}

}  // namespace qv::test
