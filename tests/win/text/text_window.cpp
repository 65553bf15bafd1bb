#include "tests/win/text/text_window.h"

#include "tests/support/screen_pixels.h"
#include "tests/support/wait_until.h"

namespace qv::test {

TextWindow::TextWindow(int left, int top, int width, int height, const pixfarrow::TextMask& drawing, int textX,
                       int textY)
    : drawing_(drawing), textX_(textX), textY_(textY) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = Procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"QvTextWindow";
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  RegisterClassW(&wc);
  RECT frame{0, 0, width, height};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE;
  AdjustWindowRect(&frame, style, FALSE);
  window_ = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"text", style, left, top, frame.right - frame.left,
                            frame.bottom - frame.top, nullptr, nullptr, wc.hInstance, this);
  UpdateWindow(window_);
  shown_ = PumpUntil([this] { return ScreenShows(ClientAreaOnScreen(window_), [this](int x, int y) { return At(x, y); }); });
}

COLORREF TextWindow::At(int x, int y) const {
  const int tx = x - textX_, ty = y - textY_;
  const bool text = tx >= 0 && ty >= 0 && tx < drawing_.width && ty < drawing_.height && drawing_.IsText(tx, ty);
  return text ? RGB(255, 0, 0) : RGB(255, 255, 255);
}

TextWindow::~TextWindow() {
  if (window_) DestroyWindow(window_);
}

POINT TextWindow::ClientOrigin() const {
  POINT origin{0, 0};
  ClientToScreen(window_, &origin);
  return origin;
}

void TextWindow::Paint(HDC dc) const {
  RECT client;
  GetClientRect(window_, &client);
  HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
  FillRect(dc, &client, white);
  DeleteObject(white);
  for (int y = 0; y < drawing_.height; ++y) {
    for (int x = 0; x < drawing_.width; ++x) {
      if (drawing_.IsText(x, y)) SetPixelV(dc, textX_ + x, textY_ + y, RGB(255, 0, 0));
    }
  }
}

LRESULT CALLBACK TextWindow::Procedure(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TextWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  const auto* self = reinterpret_cast<const TextWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      if (self) self->Paint(dc);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      if (self) self->Paint(reinterpret_cast<HDC>(wp));
      return 0;
    default:
      return DefWindowProcW(window, message, wp, lp);
  }
}

}  // namespace qv::test
