#include "library/win/input/window_focus.h"

#include "library/win/frame/declared_call.h"

namespace pixfarrow::win {

void ActivateWindow(HWND window) {
  const DWORD own = Declared<api::GetCurrentThreadId>()();
  const DWORD target = Declared<api::GetWindowThreadProcessId>()(window, nullptr);
  Declared<api::AttachThreadInput>()(target, own, TRUE);
  Declared<api::SetActiveWindow>()(window);
  Declared<api::AttachThreadInput>()(target, own, FALSE);
}

void BringToForeground(HWND window) { Declared<api::SetForegroundWindow>()(window); }

}  // namespace pixfarrow::win
