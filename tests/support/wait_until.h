#pragma once
// Waiting for an event in a Windows test, through the one polling helper (poll_until.h).
#include <windows.h>

#include <functional>

#include "tests/support/poll_until.h"

namespace qv::test {

inline constexpr DWORD kEventCeilingMs = static_cast<DWORD>(kEventCeiling.count());

// Polls until the condition holds; false when the ceiling passes first.
bool WaitUntil(const std::function<bool()>& condition, DWORD ceilingMs = kEventCeilingMs);

// The same, dispatching this thread's messages meanwhile: for events of its own windows.
bool PumpUntil(const std::function<bool()>& condition, DWORD ceilingMs = kEventCeilingMs);

}  // namespace qv::test
