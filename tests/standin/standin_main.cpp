// The WeChat stand-in for tests: a visible top-level window (title "微信" by default)
// that paints a scene, paints a target on request and records the input it receives.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "tests/standin/protocol.h"

namespace {

struct Options {
  std::wstring record;
  std::wstring title = L"\u5FAE\u4FE1";  // 微信
  int width = 800;
  int height = 600;
  std::wstring scene;
  bool hidden = false;
};

struct State {
  HANDLE record = INVALID_HANDLE_VALUE;
  HDC backDc = nullptr;
  HBITMAP backBitmap = nullptr;
  HGDIOBJ backSaved = nullptr;
  int width = 0;
  int height = 0;
};

State g;

long long Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}

void WriteLine(const char* line) {
  if (g.record == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(g.record, line, static_cast<DWORD>(std::strlen(line)), &written, nullptr);
}

void RecordMessage(UINT msg, WPARAM wp, LPARAM lp, long long at) {
  char line[96];
  std::snprintf(line, sizeof line, "msg %lld %04x %08lx %08lx\n", at, msg,
                static_cast<unsigned long>(wp), static_cast<unsigned long>(lp));
  WriteLine(line);
}

bool IsRecorded(UINT msg) {
  return (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) ||
         (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST);
}

// Draws a BMP file image at (x, y) of the back buffer; false for bytes GDI cannot show.
bool DrawBmp(const unsigned char* bytes, size_t size, int x, int y) {
  if (size < 14 + sizeof(BITMAPINFOHEADER) || bytes[0] != 'B' || bytes[1] != 'M') return false;
  const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes + 14);
  DWORD offset = 0;
  std::memcpy(&offset, bytes + 10, 4);
  if (offset >= size) return false;
  const LONG w = info->bmiHeader.biWidth;
  const LONG h = info->bmiHeader.biHeight < 0 ? -info->bmiHeader.biHeight : info->bmiHeader.biHeight;
  return SetDIBitsToDevice(g.backDc, x, y, w, h, 0, 0, 0, h, bytes + offset, info,
                           DIB_RGB_COLORS) != 0;
}

void PaintDefaultScene() {
  RECT all{0, 0, g.width, g.height};
  HBRUSH bg = CreateSolidBrush(RGB(245, 245, 245));
  FillRect(g.backDc, &all, bg);
  DeleteObject(bg);
  HBRUSH bar = CreateSolidBrush(RGB(46, 46, 46));
  RECT side{0, 0, 60, g.height};
  FillRect(g.backDc, &side, bar);
  DeleteObject(bar);
}

void CreateBackBuffer(HWND hwnd) {
  HDC screen = GetDC(hwnd);
  g.backDc = CreateCompatibleDC(screen);
  g.backBitmap = CreateCompatibleBitmap(screen, g.width, g.height);
  g.backSaved = SelectObject(g.backDc, g.backBitmap);
  ReleaseDC(hwnd, screen);
}

void DestroyBackBuffer() {
  if (!g.backDc) return;
  SelectObject(g.backDc, g.backSaved);
  DeleteObject(g.backBitmap);
  DeleteDC(g.backDc);
  g.backDc = nullptr;
}

// Wine keeps a window's drawing in its surface until the thread next waits for messages:
// a wait of no time hands it to the X server, and a read from the screen returns only
// once the server has drawn all that came before it.
void ShowOnScreen() {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
  HDC screen = GetDC(nullptr);
  GetPixel(screen, 0, 0);
  ReleaseDC(nullptr, screen);
}

LRESULT PaintTarget(HWND hwnd, const COPYDATASTRUCT* data) {
  using qv::standin::PaintTargetHeader;
  if (data->dwData != qv::standin::kPaintTarget || data->cbData < sizeof(PaintTargetHeader)) return 0;
  PaintTargetHeader head;
  std::memcpy(&head, data->lpData, sizeof head);
  const auto* bmp = static_cast<const unsigned char*>(data->lpData) + sizeof head;
  if (!DrawBmp(bmp, data->cbData - sizeof head, head.x, head.y)) return 0;
  // Straight onto the window surface, then note the moment it is there.
  HDC dc = GetDC(hwnd);
  BitBlt(dc, 0, 0, g.width, g.height, g.backDc, 0, 0, SRCCOPY);
  GdiFlush();
  ReleaseDC(hwnd, dc);
  ShowOnScreen();
  const long long at = Now();
  char line[96];
  std::snprintf(line, sizeof line, "paint %lld %d %d\n", at, head.x, head.y);
  WriteLine(line);
  return 1;
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (IsRecorded(msg)) RecordMessage(msg, wp, lp, Now());
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      BitBlt(dc, 0, 0, g.width, g.height, g.backDc, 0, 0, SRCCOPY);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      BitBlt(reinterpret_cast<HDC>(wp), 0, 0, g.width, g.height, g.backDc, 0, 0, SRCCOPY);
      return 0;
    case WM_COPYDATA:
      return PaintTarget(hwnd, reinterpret_cast<const COPYDATASTRUCT*>(lp));
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

std::vector<unsigned char> ReadFileBytes(const std::wstring& path) {
  std::vector<unsigned char> bytes;
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return bytes;
  LARGE_INTEGER size;
  if (GetFileSizeEx(f, &size) && size.QuadPart < (1 << 28)) {
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD got = 0;
    if (!ReadFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) || got != bytes.size())
      bytes.clear();
  }
  CloseHandle(f);
  return bytes;
}

bool ParseArgs(int argc, wchar_t** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    std::wstring a = argv[i];
    auto next = [&]() -> const wchar_t* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (a == L"--record") { if (auto v = next()) o.record = v; else return false; }
    else if (a == L"--title") { if (auto v = next()) o.title = v; else return false; }
    else if (a == L"--scene") { if (auto v = next()) o.scene = v; else return false; }
    else if (a == L"--size") {
      auto v = next();
      if (!v || std::swscanf(v, L"%dx%d", &o.width, &o.height) != 2 || o.width < 1 || o.height < 1) return false;
    }
    else if (a == L"--hidden") o.hidden = true;
    else return false;
  }
  return !o.record.empty();
}

// Sizes the window so that its client area is exactly width x height.
void FitClientArea(HWND hwnd, int width, int height) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    RECT client, frame;
    GetClientRect(hwnd, &client);
    GetWindowRect(hwnd, &frame);
    const int dw = width - (client.right - client.left);
    const int dh = height - (client.bottom - client.top);
    if (dw == 0 && dh == 0) return;
    SetWindowPos(hwnd, nullptr, 0, 0, frame.right - frame.left + dw, frame.bottom - frame.top + dh,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Options opt;
  if (!ParseArgs(argc, argv, opt)) {
    std::fputs("usage: qv_standin --record FILE [--title T] [--size WxH] [--scene FILE.bmp] [--hidden]\n",
               stderr);
    return 2;
  }
  g.width = opt.width;
  g.height = opt.height;
  g.record = CreateFileW(opt.record.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (g.record == INVALID_HANDLE_VALUE) return 3;
  LARGE_INTEGER freq;
  QueryPerformanceFrequency(&freq);
  char head[64];
  std::snprintf(head, sizeof head, "freq %lld\n", freq.QuadPart);
  WriteLine(head);

  HINSTANCE inst = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = inst;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = L"QvWeChatStandIn";
  RegisterClassExW(&wc);

  const DWORD style = WS_OVERLAPPEDWINDOW;
  RECT r{0, 0, opt.width, opt.height};
  AdjustWindowRectEx(&r, style, FALSE, 0);
  HWND hwnd = CreateWindowExW(0, wc.lpszClassName, opt.title.c_str(), style, 40, 40, r.right - r.left,
                              r.bottom - r.top, nullptr, nullptr, inst, nullptr);
  if (!hwnd) return 4;
  CreateBackBuffer(hwnd);
  PaintDefaultScene();
  if (!opt.scene.empty()) {
    auto bytes = ReadFileBytes(opt.scene);
    if (!DrawBmp(bytes.data(), bytes.size(), 0, 0)) return 5;
  }
  if (!opt.hidden) {
    ShowWindow(hwnd, SW_SHOWNORMAL);
    FitClientArea(hwnd, opt.width, opt.height);
    UpdateWindow(hwnd);
  }
  // Handle what showing the window queued, then tell the test the window is ready.
  MSG pending;
  while (PeekMessageW(&pending, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&pending);
  WriteLine("ready\n");

  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) {
    // Posted input without a window still shows what arrived.
    if (!m.hwnd && IsRecorded(m.message)) RecordMessage(m.message, m.wParam, m.lParam, Now());
    // No TranslateMessage: the record shows what was posted, not what a translation adds.
    DispatchMessageW(&m);
  }
  DestroyBackBuffer();
  CloseHandle(g.record);
  return 0;
}
