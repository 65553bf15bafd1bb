#include "tests/support/wait_until.h"

namespace qv::test {
namespace {

void DispatchPending() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool Poll(const std::function<bool()>& condition, DWORD ceilingMs, bool pump) {
  const ULONGLONG until = GetTickCount64() + ceilingMs;
  for (;;) {
    if (pump) DispatchPending();
    if (condition()) return true;
    if (GetTickCount64() > until) return false;
    if (pump) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } else {
      Sleep(5);
    }
  }
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD ceilingMs) { return Poll(condition, ceilingMs, false); }

bool PumpUntil(const std::function<bool()>& condition, DWORD ceilingMs) { return Poll(condition, ceilingMs, true); }

}  // namespace qv::test
