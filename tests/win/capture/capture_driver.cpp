#include "tests/win/capture/capture_driver.h"

#include <tlhelp32.h>

#include <vector>

#include "tests/support/wait_until.h"

namespace qv::test {
namespace {

struct Search {
  CaptureWindows found;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<Search*>(param);
  wchar_t cls[64] = {}, title[64] = {};
  GetClassNameW(window, cls, 64);
  GetWindowTextW(window, title, 64);
  if (std::wstring(cls) != L"PixfarrowLoadedWindow") return TRUE;
  const std::wstring t = title;
  if (t == L"CaptureWindow") s->found.capture = window;
  if (t == L"SelectionOverlay") s->found.overlay = window;
  if (t == L"CaptureGuide") s->found.guide = window;
  return TRUE;
}

}  // namespace

CaptureWindows FindCaptureWindows() {
  Search s;
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&s));
  if (s.found.overlay) s.found.topBoard = FindWindowExW(s.found.overlay, nullptr, nullptr, L"画板_上层");
  return s.found;
}

bool WaitForOverlay(CaptureWindows* found) {
  return WaitUntil([found] {
    *found = FindCaptureWindows();
    return found->overlay && found->topBoard && found->guide && IsWindowVisible(found->guide);
  });
}

LONG WindowWidth(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r.right - r.left;
}

int OverlayAlpha(HWND overlay) {
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(overlay, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) return -1;
  return alpha;
}

bool WaitForAnimations(const CaptureWindows& w) {
  const LONG startLeft = GetSystemMetrics(SM_CXSCREEN) + WindowWidth(w.guide);
  return WaitUntil([&] {
    RECT r{};
    return OverlayAlpha(w.overlay) > 0 && GetWindowRect(w.guide, &r) && r.left < startLeft;
  });
}

bool WaitForRest(const CaptureWindows& w) {
  return WaitUntil([&] {
    RECT r{};
    return OverlayAlpha(w.overlay) == 120 && GetWindowRect(w.guide, &r) && r.right <= GetSystemMetrics(SM_CXSCREEN);
  });
}

bool WaitForCaptureEnd(const CaptureWindows& w) {
  return WaitUntil([&] { return !IsWindow(w.capture); });
}

void PostDrag(HWND topBoard, const Drag& drag) {
  PostMessageW(topBoard, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(drag.from.x, drag.from.y));
  for (const POINT& p : drag.moves) PostMessageW(topBoard, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  if (drag.release) {
    const POINT end = drag.moves.empty() ? drag.from : drag.moves.back();
    PostMessageW(topBoard, WM_LBUTTONUP, 0, MAKELPARAM(end.x, end.y));
  }
}

std::wstring WindowText(HWND window) {
  std::vector<wchar_t> text(GetWindowTextLengthW(window) + 1);
  GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  return text.data();
}

int ThreadsOfThisProcess() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  int count = 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  CloseHandle(snapshot);
  return count;
}

}  // namespace qv::test
