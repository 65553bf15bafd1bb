#include "app/win/run/press_send_key.h"

#include <windows.h>

#include "app/win/framework/message_loop.h"
#include "common/win/kernel_owners.h"

namespace quorvela::win {

namespace {

constexpr int kPresses = 1000;
constexpr LONGLONG kOneMillisecondRelative = -10000;  // 100-ns units
// All input but sent messages: QS_KEY, QS_MOUSEMOVE, QS_MOUSEBUTTON, QS_POSTMESSAGE,
// QS_TIMER, QS_PAINT, QS_HOTKEY, QS_RAWINPUT.
constexpr DWORD kWakeMask = 0x4BF;

// Dispatches what is queued, up to a WM_QUIT, which is left for the thread's own loop.
void pumpOwnMessages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) return;
    if (!PreTranslateFrameworkMessage(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

void waitOneMillisecond() {
  const qv::win::UniqueKernelHandle timer(CreateWaitableTimerW(nullptr, FALSE, nullptr));
  if (!timer) return;
  LARGE_INTEGER due{};
  due.QuadPart = kOneMillisecondRelative;
  if (!SetWaitableTimer(timer.get(), &due, 0, nullptr, nullptr, FALSE)) return;
  HANDLE handle = timer.get();
  for (;;) {
    const DWORD woken = MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, kWakeMask);
    if (woken != WAIT_OBJECT_0 + 1) return;  // the timer fired, or the wait failed
    pumpOwnMessages();
  }
}

}  // namespace

void PressSendKey(const BoundLibrary& library, std::uint32_t window) {
  for (int left = kPresses; left > 0; --left) {
    library.JPXX(window);
    waitOneMillisecond();
  }
}

}  // namespace quorvela::win
