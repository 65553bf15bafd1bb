#include "tests/win/framework/host_form.h"

#include "app/win/framework/framework_state.h"
#include "app/win/framework/window_procedure.h"

namespace qv::test {

HWND createHost(HostForm& form) {
  quorvela::win::frameworkStart().instance = GetModuleHandleW(nullptr);
  form.properties.visible = true;
  if (!quorvela::win::CreateFormWindow(form, nullptr)) return nullptr;
  HWND window = quorvela::win::windowOf(form);
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
  return window;
}

bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs) { return PumpUntil(done, timeoutMs) || done(); }

COLORREF clientPixel(HWND window, int x, int y) {
  UpdateWindow(window);
  POINT point{x, y};
  ClientToScreen(window, &point);
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

}  // namespace qv::test
