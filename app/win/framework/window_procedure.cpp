#include "app/win/framework/window_procedure.h"

#include "app/win/framework/framework_state.h"
#include "app/win/framework/reflected_command.h"
#include "app/win/framework/window_leases.h"

namespace quorvela::win {

namespace {

void destroyWindowHandle(std::uintptr_t handle) { DestroyWindow(reinterpret_cast<HWND>(handle)); }

LRESULT CALLBACK frameworkWindowProc(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
  if (id == WM_NCCREATE) {
    auto* created = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* link = static_cast<WindowLink*>(created->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(link));
    if (link) link->attach(reinterpret_cast<std::uintptr_t>(window), &destroyWindowHandle);
  }
  auto* link = reinterpret_cast<WindowLink*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // Threads that were lent the window give it back before it goes.
  if (id == WM_DESTROY) takeBackLeases(window);
  // A child's notification goes back to the child first (synchronously).
  if (id == WM_COMMAND && lParam != 0) SendMessageW(reinterpret_cast<HWND>(lParam), kReflectedCommand, wParam, lParam);
  LRESULT result = 0;
  const bool handled = link && deliverToListener(*link, id, wParam, lParam, result);
  if (id == WM_NCDESTROY && link) {
    link->detach();
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  }
  return handled ? result : DefWindowProcW(window, id, wParam, lParam);
}

}  // namespace

bool deliverToListener(const WindowLink& link, UINT id, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  try {
    WindowObject* listener = link.listener();
    if (!listener) return false;
    WindowMessage message{id, wParam, lParam};
    if (!listener->onMessage(message)) return false;
    result = message.result;
    return true;
  } catch (...) {
    keepPendingException(std::current_exception());
    return false;
  }
}

const wchar_t* frameworkWindowClass(const WindowClassArgs& args) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  HINSTANCE instance = frameworkStart().instance;
  if (GetClassInfoExW(instance, args.name, &existing)) return args.name;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = &frameworkWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = args.background;
  windowClass.lpszClassName = args.name;
  RegisterClassExW(&windowClass);
  return args.name;
}

HWND createWindowFor(WindowObject& object, const CreateWindowArgs& args) {
  object.listenToWindow();
  const auto menuOrId = args.parent && (args.style & WS_CHILD)
                            ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.controlId))
                            : nullptr;
  HWND window = CreateWindowExW(args.exStyle, args.className, args.text.c_str(), args.style, args.left,
                                args.top, args.width, args.height, args.parent, menuOrId,
                                frameworkStart().instance, object.link().get());
  rethrowPendingException();
  return window;
}

HWND windowOf(const WindowObject& object) { return reinterpret_cast<HWND>(object.windowHandle()); }

}  // namespace quorvela::win
