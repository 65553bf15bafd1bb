#include "tests/win/capture/pattern_window.h"

#include <vector>

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
  window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0,
                            kSize, kSize, nullptr, nullptr, wc.hInstance, nullptr);
  UpdateWindow(window_);
  // Let the X server show it before anything reads the screen.
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 300) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(10);
  }
}

PatternWindow::~PatternWindow() {
  if (window_) DestroyWindow(window_);
}

}  // namespace qv::test
