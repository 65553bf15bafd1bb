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

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD ceilingMs) {
  return PollUntil(condition, std::chrono::milliseconds(ceilingMs), [] { Sleep(5); });
}

bool PumpUntil(const std::function<bool()>& condition, DWORD ceilingMs) {
  DispatchPending();
  return PollUntil(condition, std::chrono::milliseconds(ceilingMs), [] {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    DispatchPending();
  });
}

}  // namespace qv::test
