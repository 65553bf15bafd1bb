#include "app/win/framework/control_window.h"

#include <commctrl.h>

#include "app/win/framework/background.h"
#include "app/win/framework/framework_state.h"
#include "app/win/framework/window_procedure.h"
#include "app/win/platform/wide_text.h"

namespace quorvela::win {

namespace {

constexpr UINT_PTR kSubclassId = 1;

void destroyWindowHandle(std::uintptr_t handle) { DestroyWindow(reinterpret_cast<HWND>(handle)); }

LRESULT CALLBACK systemControlProc(HWND window, UINT id, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* link = reinterpret_cast<WindowLink*>(data);
  LRESULT result = 0;
  if (id == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &systemControlProc, kSubclassId);
    link->detach();
    return DefSubclassProc(window, id, wParam, lParam);
  }
  if (deliverToListener(*link, id, wParam, lParam, result)) return result;
  return DefSubclassProc(window, id, wParam, lParam);
}

CreateWindowArgs argsFor(const wchar_t* className, DWORD style, DWORD exStyle, const ControlPlacement& placement) {
  CreateWindowArgs args;
  args.className = className;
  args.text = widen(placement.text);
  args.style = WS_CHILD | style;
  args.exStyle = exStyle;
  args.left = placement.left;
  args.top = placement.top;
  args.width = placement.width;
  args.height = placement.height;
  args.parent = placement.parent;
  args.controlId = placement.controlId;
  return args;
}

}  // namespace

HWND createControlWindow(WindowObject& control, const wchar_t* className, DWORD style, DWORD exStyle,
                         const ControlPlacement& placement) {
  control.text = placement.text;
  return createWindowFor(control, argsFor(frameworkWindowClass({className, nullptr}), style, exStyle, placement));
}

HWND createSystemControlWindow(WindowObject& control, const wchar_t* className, DWORD style, DWORD exStyle,
                               const ControlPlacement& placement) {
  control.text = placement.text;
  const CreateWindowArgs args = argsFor(className, style, exStyle, placement);
  HWND window = CreateWindowExW(args.exStyle, args.className, args.text.c_str(), args.style, args.left, args.top,
                                args.width, args.height, args.parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.controlId)), frameworkStart().instance,
                                nullptr);
  if (!window) return nullptr;
  control.link()->attach(reinterpret_cast<std::uintptr_t>(window), &destroyWindowHandle);
  control.listenToWindow();
  SetWindowSubclass(window, &systemControlProc, kSubclassId, reinterpret_cast<DWORD_PTR>(control.link().get()));
  return window;
}

void SetControlText(WindowObject& control, const std::string& utf8) {
  control.text = utf8;
  if (HWND window = windowOf(control)) {
    SetWindowTextW(window, widen(utf8).c_str());
    InvalidateRect(window, nullptr, TRUE);
  }
}

std::wstring windowTextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string ControlText(const WindowObject& control) {
  HWND window = windowOf(control);
  return window ? narrow(windowTextOf(window)) : control.text;
}

POINT positionInParent(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  POINT position{frame.left, frame.top};
  HWND parent = GetParent(window);
  if (parent && !(GetWindowLongPtrW(window, GWL_STYLE) & WS_POPUP)) ScreenToClient(parent, &position);
  return position;
}

void SetControlLeft(const WindowObject& control, int x) {
  HWND window = windowOf(control);
  if (!window) return;
  const POINT position = positionInParent(window);
  SetWindowPos(window, nullptr, x, position.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void paintParentBackground(HWND window, HDC dc) {
  HWND parent = GetParent(window);
  if (!parent) return;
  POINT origin{0, 0};
  MapWindowPoints(window, parent, &origin, 1);
  POINT previous{};
  OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
  SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

COLORREF colourOr(std::uint32_t colour, int systemElement) {
  return colour == kSystemColour ? GetSysColor(systemElement) : static_cast<COLORREF>(colour);
}

}  // namespace quorvela::win
