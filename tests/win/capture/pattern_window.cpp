#include "tests/win/capture/pattern_window.h"

#include <vector>

#include "tests/support/screen_pixels.h"
#include "tests/support/wait_until.h"

namespace qv::test {

LRESULT CALLBACK PatternWindow::Procedure(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wp, lp);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  std::vector<std::uint32_t> pixels(kSize * kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) pixels[y * kSize + x] = At(x, y);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kSize;
  info.bmiHeader.biHeight = -kSize;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  SetDIBitsToDevice(dc, 0, 0, kSize, kSize, 0, 0, 0, kSize, pixels.data(), &info, DIB_RGB_COLORS);
  EndPaint(window, &ps);
  return 0;
}

PatternWindow::PatternWindow() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = Procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"QvPatternWindow";
  RegisterClassW(&wc);
  // Neither topmost nor ever activated, so that the capture's windows lie over it: a drag
  // made with the system pointer reaches the window under the pointer.
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName, L"", WS_POPUP, 0, 0,
                            kSize, kSize, nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  UpdateWindow(window_);
  shown_ = OnScreen();
}

bool PatternWindow::OnScreen() {
  return PumpUntil([] { return ScreenShows({0, 0, kSize, kSize}, AtAsColourRef); });
}

COLORREF PatternWindow::AtAsColourRef(int x, int y) {
  const std::uint32_t rgb = At(x, y);
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

PatternWindow::~PatternWindow() {
  if (window_) DestroyWindow(window_);
}

}  // namespace qv::test
