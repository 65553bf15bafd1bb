// A stand-in for Pixfarrow.dll: the four functions the program binds, and the one effect
// of the real library's start-up that the binder must undo: the current directory moves to
// the host program's folder while the library loads. Its capture delivers what a test laid
// beside the program: the bytes of stub_capture.bin, or the text of stub_capture.txt as it
// stands; nothing captured without either. The busy build (busy_stub.h) stays inside ZT.
// Where a test laid an empty stub_page_events.txt beside the program, the first window
// search starts writing into it what reaches the control-centre page on the program's GUI
// thread, one line per event: "left N" for a move to left N, "shown" when it is shown.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/capture_result_text.h"
#include "tests/win/app/stub_library/busy_stub.h"

namespace {

std::wstring hostFolder() {
  std::wstring host(MAX_PATH, L'\0');
  host.resize(GetModuleFileNameW(nullptr, host.data(), static_cast<DWORD>(host.size())));
  const auto cut = host.rfind(L'\\');
  return cut == std::wstring::npos ? std::wstring() : host.substr(0, cut);
}

std::string besideHost(const wchar_t* name) {
  std::ifstream file(std::filesystem::path(hostFolder() + L"\\" + name), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Kept until the next capture, as the library keeps its result.
std::string capturedBytes;
std::string resultText;

std::atomic<bool> insideZt{false};

HMODULE stubModule;
HHOOK pageHook;
HANDLE pageEvents = INVALID_HANDLE_VALUE;

constexpr int kContentPanelId = 101;
constexpr int kPageId = 0xFFFF;

void notePageEvent(const std::string& line) {
  DWORD written = 0;
  WriteFile(pageEvents, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

LRESULT CALLBACK watchPage(int code, WPARAM wp, LPARAM lp) {
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lp);
  if (code == HC_ACTION && GetDlgCtrlID(call->hwnd) == kPageId &&
      GetDlgCtrlID(GetParent(call->hwnd)) == kContentPanelId) {
    if (call->message == WM_WINDOWPOSCHANGED) {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(call->lParam);
      if (!(pos->flags & SWP_NOMOVE)) notePageEvent("left " + std::to_string(pos->x) + "\n");
    } else if (call->message == WM_SHOWWINDOW && call->wParam) {
      notePageEvent("shown\n");
    }
  }
  return CallNextHookEx(pageHook, code, wp, lp);
}

void startWatchingThePage() {
  if (pageHook || pageEvents != INVALID_HANDLE_VALUE) return;
  pageEvents = CreateFileW((hostFolder() + L"\\stub_page_events.txt").c_str(), FILE_APPEND_DATA,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (pageEvents != INVALID_HANDLE_VALUE)
    pageHook = SetWindowsHookExW(WH_CALLWNDPROCRET, watchPage, stubModule, GetCurrentThreadId());
}

}  // namespace

extern "C" {
int __stdcall JPXX(int) { return 0; }
int __stdcall JQMBT() {
  capturedBytes = besideHost(L"stub_capture.bin");
  resultText = besideHost(L"stub_capture.txt");
  if (resultText.empty()) {
    const auto address = capturedBytes.empty() ? 0 : reinterpret_cast<std::uintptr_t>(capturedBytes.data());
    resultText = qv::FormatCaptureResultText(static_cast<std::int32_t>(address),
                                             static_cast<std::int32_t>(capturedBytes.size()));
  }
  return static_cast<int>(reinterpret_cast<std::uintptr_t>(resultText.c_str()));
}
#ifdef QV_STUB_BUSY
int __stdcall QWXJB() { return static_cast<int>(reinterpret_cast<std::uintptr_t>(GetDesktopWindow())); }
int __stdcall ZT(int, int, int, int) {
  insideZt = true;
  if (HANDLE inside = OpenEventW(EVENT_MODIFY_STATE, FALSE, qv::test::BusyStubEventName(GetCurrentProcessId()).c_str())) {
    SetEvent(inside);
    CloseHandle(inside);
  }
  for (;;) Sleep(1);
}
#else
int __stdcall QWXJB() {
  startWatchingThePage();
  return 0;
}
#ifndef QV_STUB_WITHOUT_ZT
int __stdcall ZT(int, int, int, int) { return 0; }
#endif
#endif
}

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    stubModule = module;
    const std::wstring host = hostFolder();
    if (!host.empty()) SetCurrentDirectoryW(host.c_str());
  }
  // Freed (not the process's end) while a call is inside: the host would crash here.
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr && insideZt) {
    TerminateProcess(GetCurrentProcess(), qv::test::kFreedUnderACall);
  }
  return TRUE;
}
