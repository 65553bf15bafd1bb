#include "library/win/frame/message_pump.h"

#include <windows.h>

namespace pixfarrow::win {
namespace {

struct PumpState {
  unsigned calls = 0;
  DWORD lastTick = 0;
};

}  // namespace

void DispatchPendingMessages() {
  thread_local PumpState state;  // one thread-local lookup per call
  PumpState& s = state;
  // The clock is read on every 64th call only (the first included): a search calls this
  // after each pixel, and a tick is thousands of pixels long.
  if (s.calls++ % 64 != 0) return;
  const DWORD now = GetTickCount();
  if (s.calls > 1 && now == s.lastTick) return;
  s.lastTick = now;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    // The quit is the thread's own loop's to see: put it back and stop here.
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace pixfarrow::win
