#pragma once
// What a test and the busy stand-in library agree on. That library finds a "WeChat" window
// (the desktop) and, once called, stays inside ZT for good; it ends its host with
// kFreedUnderACall when it is freed while that call is still inside it.
#include <windows.h>

#include <string>

namespace qv::test {

inline constexpr DWORD kFreedUnderACall = 0xBAD;

// A manual-reset event, set once a ZT call is inside the library of process `processId`.
inline std::wstring BusyStubEventName(DWORD processId) {
  return L"Local\\qv_stub_busy_" + std::to_wstring(processId);
}

}  // namespace qv::test
