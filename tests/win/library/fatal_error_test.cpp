// RuntimeFatalError: the texts in GBK, and end to end in a child process: the modal box
// with the exact text, then exit code -1.
#include "library/win/frame/fatal_error_text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/win/kernel_owners.h"
#include "tests/support/standin_client.h"

namespace {

using namespace pixfarrow::win;

std::string Gbk(const wchar_t* text) {
  const int n = WideCharToMultiByte(936, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(936, 0, text, -1, out.data(), n, nullptr, nullptr);
  out.resize(out.size() - 1);
  return out;
}

TEST(FatalErrorText, ExactTextsInGbk) {
  EXPECT_EQ(FatalErrorText(std::nullopt, MissingFunctionMessage("user32.dll", "PostMessageW")),
            Gbk(L"运行时出错!\r\n错误信息：无法找到指定DLL库文件“user32.dll”中的输出命令“PostMessageW”"));
  EXPECT_EQ(FatalErrorText(std::nullopt, MissingFunctionMessage("", "PostMessageW")),
            Gbk(L"运行时出错!\r\n错误信息：无法找到指定DLL库文件中的输出命令“PostMessageW”"));
  EXPECT_EQ(FatalErrorText(kStackMismatchCode, StackMismatchMessage()),
            Gbk(L"运行时出错!\r\n错误代码：6\r\n错误信息：调用DLL命令后发现堆栈错误"));
  EXPECT_EQ(FatalErrorText(-1, ""), Gbk(L"运行时出错!\r\n错误代码：-1\r\n错误信息："));
}

struct DialogSearch {
  DWORD process;
  HWND dialog;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM lp) {
  auto* s = reinterpret_cast<DialogSearch*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char cls[32] = {};
  GetClassNameA(window, cls, sizeof cls);
  if (pid == s->process && std::string(cls) == "#32770" && IsWindowVisible(window)) {
    s->dialog = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM lp) {
  char cls[32] = {};
  GetClassNameA(child, cls, sizeof cls);
  char text[512] = {};
  if (lstrcmpiA(cls, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0)
    *reinterpret_cast<std::string*>(lp) = text;
  return TRUE;
}

struct Outcome {
  std::string text;
  DWORD exitCode = 0;
};

Outcome RunProbe(const std::wstring& mode) {
  Outcome out;
  std::wstring cmd = L"\"" + qv::test::ProgramFolder() + L"qv_fatal_probe.exe\" " + mode;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return out;
  qv::win::UniqueKernelHandle process(pi.hProcess);
  CloseHandle(pi.hThread);
  DialogSearch search{pi.dwProcessId, nullptr};
  for (int i = 0; i < 1000 && !search.dialog; ++i) {
    if (WaitForSingleObject(process.get(), 10) == WAIT_OBJECT_0) break;
    EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
  }
  if (search.dialog) {
    EnumChildWindows(search.dialog, CollectStaticText, reinterpret_cast<LPARAM>(&out.text));
    PostMessageW(search.dialog, WM_COMMAND, IDOK, 0);
  }
  if (WaitForSingleObject(process.get(), 10000) != WAIT_OBJECT_0) TerminateProcess(process.get(), 99);
  GetExitCodeProcess(process.get(), &out.exitCode);
  return out;
}

TEST(RuntimeFatalError, ShowsTheBoxThenEndsWithMinusOne) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"missing-library", L"运行时出错!\r\n错误信息：无法找到指定DLL库文件“qv_no_such_library.dll”中的输出命令“Nothing”"},
      {L"missing-function", L"运行时出错!\r\n错误信息：无法找到指定DLL库文件“kernel32.dll”中的输出命令“QvNoSuchFunction”"},
      {L"stack", L"运行时出错!\r\n错误代码：6\r\n错误信息：调用DLL命令后发现堆栈错误"},
  };
  for (const auto& [mode, text] : cases) {
    const Outcome out = RunProbe(mode);
    EXPECT_EQ(out.text, Gbk(text)) << "probe " << Gbk(mode);
    EXPECT_EQ(out.exitCode, static_cast<DWORD>(-1)) << "probe " << Gbk(mode);
  }
}

}  // namespace
