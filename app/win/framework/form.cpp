#include "app/win/framework/form.h"

#include "app/win/framework/framework_state.h"
#include "app/win/framework/window_procedure.h"
#include "app/win/platform/wide_text.h"

namespace quorvela::win {

namespace {

void setIcon(HWND window, int resource) {
  HINSTANCE instance = frameworkStart().instance;
  // Shared icons belong to the system; nothing to free.
  const auto load = [&](int metricX, int metricY) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON,
                                         GetSystemMetrics(metricX), GetSystemMetrics(metricY), LR_SHARED));
  };
  if (HICON big = load(SM_CXICON, SM_CYICON)) SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  if (HICON small = load(SM_CXSMICON, SM_CYSMICON))
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

// Centres on the whole rectangle of the window's monitor; moves only when that differs.
void centreOnMonitor(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (monitor.rcMonitor.left + monitor.rcMonitor.right - width) / 2;
  const int top = (monitor.rcMonitor.top + monitor.rcMonitor.bottom - height) / 2;
  if (left != frame.left || top != frame.top)
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

DWORD CVolWinForm::windowStyle() const {
  DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (properties.sizable) style |= WS_THICKFRAME;
  if (properties.maximizeBox) style |= WS_MAXIMIZEBOX;
  if (properties.minimizeBox) style |= WS_MINIMIZEBOX;
  if (properties.visible) style |= WS_VISIBLE;
  return style;
}

DWORD CVolWinForm::windowExStyle() const { return WS_EX_CONTROLPARENT; }

bool CVolWinForm::onMessage(WindowMessage& message) {
  switch (message.id) {
    case WM_CREATE:
      createChildren();
      createdEvent.fire(this);
      return false;
    case WM_ERASEBKGND:
      return answerErase(windowOf(*this), message, properties.background);
    case WM_DESTROY:
      if (windowOf(*this) == mainWindowHandle()) PostQuitMessage(0);
      destroyedEvent.fire(this);
      return false;
    default:
      return false;
  }
}

int CreateFormWindow(CVolWinForm& form, CVolWinForm* owner) {
  CreateWindowArgs args;
  args.className = frameworkWindowClass({L"QuorvelaForm", nullptr});
  args.text = widen(form.text);
  args.style = form.windowStyle();
  args.exStyle = form.windowExStyle();
  RECT frame{0, 0, form.clientWidth(), form.clientHeight()};
  AdjustWindowRectEx(&frame, args.style, FALSE, args.exStyle);
  args.width = frame.right - frame.left;
  args.height = frame.bottom - frame.top;
  if (form.properties.centred) {
    args.left = (GetSystemMetrics(SM_CXSCREEN) - args.width) / 2;
    args.top = (GetSystemMetrics(SM_CYSCREEN) - args.height) / 2;
  }
  args.parent = owner ? windowOf(*owner) : nullptr;
  HWND window = createWindowFor(form, args);
  if (!window) return 0;
  if (form.properties.iconResource) setIcon(window, form.properties.iconResource);
  if (form.properties.visible && form.properties.centred) centreOnMonitor(window);
  return 1;
}

}  // namespace quorvela::win
