#include "library/win/frame/hidden_owner_window.h"

namespace pixfarrow::win {

namespace {

constexpr wchar_t kClassName[] = L"PixfarrowHiddenOwner";

struct State {
  HINSTANCE library = nullptr;
  ATOM windowClass = 0;
  HWND window = nullptr;
  DWORD thread = 0;
};

State g;

}  // namespace

HWND HiddenOwnerWindow() { return g.window; }

void CreateHiddenOwnerWindow(HINSTANCE library) {
  if (g.window) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = library;
  wc.lpszClassName = kClassName;
  g.library = library;
  g.windowClass = RegisterClassExW(&wc);
  g.window = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, library,
                             nullptr);
  g.thread = GetCurrentThreadId();
}

void DestroyHiddenOwnerWindow() {
  if (g.window && g.thread == GetCurrentThreadId() && DestroyWindow(g.window)) g.window = nullptr;
  if (!g.window && g.windowClass && UnregisterClassW(kClassName, g.library)) g.windowClass = 0;
}

}  // namespace pixfarrow::win
