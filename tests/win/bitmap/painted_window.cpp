#include "tests/win/bitmap/painted_window.h"

#include <vector>

#include "tests/support/screen_pixels.h"
#include "tests/support/wait_until.h"

namespace qv::test {
namespace {

void PaintPattern(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  const int w = client.right, h = client.bottom;
  if (w <= 0 || h <= 0) return;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const COLORREF c = PaintedWindow::At(x, y);
      pixels[static_cast<std::size_t>(y) * w + x] = GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
    }
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  SetDIBitsToDevice(dc, 0, 0, w, h, 0, 0, 0, h, pixels.data(), &info, DIB_RGB_COLORS);
}

ATOM Register(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = name;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  return RegisterClassW(&wc);
}

}  // namespace

LRESULT CALLBACK PaintedWindow::Procedure(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      PaintPattern(window, dc);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintPattern(window, reinterpret_cast<HDC>(wp));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    default:
      return DefWindowProcW(window, message, wp, lp);
  }
}

PaintedWindow::PaintedWindow(int left, int top, int width, int height) {
  static const ATOM registered = Register(L"QvPaintedWindow", Procedure);
  static_cast<void>(registered);
  RECT frame{0, 0, width, height};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_BORDER;
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  window_ = CreateWindowExW(0, L"QvPaintedWindow", L"painted", style, left, top, frame.right - frame.left,
                            frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  UpdateWindow(window_);
  shown_ = PumpUntil([this] { return ScreenShows(ClientAreaOnScreen(window_), At); });
}

PaintedWindow::~PaintedWindow() {
  if (window_) DestroyWindow(window_);
}

POINT PaintedWindow::ClientOrigin() const {
  POINT origin{0, 0};
  ClientToScreen(window_, &origin);
  return origin;
}

LRESULT CALLBACK CoverWindow::Procedure(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wp, lp);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT client{};
  GetClientRect(window, &client);
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrW(window, GWLP_USERDATA)));
  FillRect(dc, &client, brush);
  DeleteObject(brush);
  EndPaint(window, &ps);
  return 0;
}

CoverWindow::CoverWindow(const RECT& area, COLORREF colour) {
  static const ATOM registered = Register(L"QvCoverWindow", Procedure);
  static_cast<void>(registered);
  window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"QvCoverWindow", L"", WS_POPUP, area.left, area.top,
                            area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, static_cast<LONG_PTR>(colour));
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  UpdateWindow(window_);
  shown_ = PumpUntil([&] { return ScreenShows(area, [colour](int, int) { return colour; }); });
}

CoverWindow::~CoverWindow() {
  if (window_) DestroyWindow(window_);
}

}  // namespace qv::test
