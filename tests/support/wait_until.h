#pragma once
// Waiting for an event in a Windows test: poll for the event itself, never sleep a fixed
// time. The ceiling only ends a wait for an event that does not come; it is long enough for
// a machine busy with other work.
#include <windows.h>

#include <functional>

namespace qv::test {

inline constexpr DWORD kEventCeilingMs = 30000;

// Polls until the condition holds; false when the ceiling passes first.
bool WaitUntil(const std::function<bool()>& condition, DWORD ceilingMs = kEventCeilingMs);

// The same, dispatching this thread's messages meanwhile: for events of its own windows.
bool PumpUntil(const std::function<bool()>& condition, DWORD ceilingMs = kEventCeilingMs);

}  // namespace qv::test
