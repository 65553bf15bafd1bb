#include "tests/win/library/test_windows.h"

#include "tests/support/wait_until.h"

namespace qv::test {

namespace {

const wchar_t* TestWindowClass() {
  static const wchar_t* name = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QvFinderTestWindow";
    RegisterClassExW(&wc);
    return L"QvFinderTestWindow";
  }();
  return name;
}

HWND CreateTopLevel(const std::wstring& title) {
  return CreateWindowExW(0, TestWindowClass(), title.c_str(), WS_OVERLAPPED, 300, 300, 160, 90, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

BOOL CALLBACK CollectVisible(HWND window, LPARAM lp) {
  if (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) reinterpret_cast<std::vector<HWND>*>(lp)->push_back(window);
  return TRUE;
}

}  // namespace

TestWindow::TestWindow(const std::wstring& title, bool visible) : window_(CreateTopLevel(title)) {
  if (window_ && visible) ShowWindow(window_, SW_SHOWNOACTIVATE);
}

TestWindow::~TestWindow() {
  if (window_) DestroyWindow(window_);
}

HungWindow::HungWindow(const std::wstring& title)
    : title_(title),
      ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  thread_.reset(CreateThread(nullptr, 0, &HungWindow::Run, this, 0, nullptr));
  if (thread_) WaitPumping(ready_.get(), kEventCeilingMs);
}

HungWindow::~HungWindow() {
  SetEvent(release_.get());
  if (thread_) WaitPumping(thread_.get(), kEventCeilingMs);
}

DWORD WINAPI HungWindow::Run(void* self) {
  auto* h = static_cast<HungWindow*>(self);
  HWND window = CreateTopLevel(h->title_);
  if (window) ShowWindow(window, SW_SHOWNOACTIVATE);
  h->window_ = window;
  SetEvent(h->ready_.get());
  WaitForSingleObject(h->release_.get(), INFINITE);  // no messages answered meanwhile
  if (window) DestroyWindow(window);
  return 0;
}

std::vector<HWND> VisibleTopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

void WaitPumping(HANDLE handle, DWORD timeoutMs) {
  const ULONGLONG until = GetTickCount64() + timeoutMs;
  for (;;) {
    const ULONGLONG now = GetTickCount64();
    if (now >= until) return;
    const DWORD r = MsgWaitForMultipleObjects(1, &handle, FALSE, static_cast<DWORD>(until - now), QS_ALLINPUT);
    if (r != WAIT_OBJECT_0 + 1) return;
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
  }
}

}  // namespace qv::test
