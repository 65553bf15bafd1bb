#include "app/win/framework/timer_control.h"

#include "app/win/framework/control_window.h"
#include "app/win/framework/window_procedure.h"

namespace quorvela::win {

bool TimerControl::create(const ControlPlacement& placement) {
  if (!createControlWindow(*this, L"QuorvelaTimer", 0, 0, placement)) return false;
  apply();
  return true;
}

void TimerControl::setInterval(int milliseconds) {
  interval_ = milliseconds > 0 ? milliseconds : 0;
  apply();
}

void TimerControl::apply() {
  HWND window = windowOf(*this);
  if (!window) return;
  KillTimer(window, kTimerId);
  if (interval_ > 0) SetTimer(window, kTimerId, static_cast<UINT>(interval_), nullptr);
}

bool TimerControl::onMessage(WindowMessage& message) {
  if (message.id == WM_TIMER && message.wParam == kTimerId) {
    tickEvent.fire(this);
    return true;
  }
  if (message.id == WM_DESTROY) KillTimer(windowOf(*this), kTimerId);
  return false;
}

}  // namespace quorvela::win
