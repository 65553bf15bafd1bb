#include "tests/win/app/child_program.h"

#include <cstdint>
#include <functional>

#include "tests/support/wait_until.h"

namespace qv::test {

namespace {

// The parts of the process's basic information and of its parameter block that the test
// reads (32-bit layout).
struct ProcessBasicInformation32 {
  LONG exitStatus;
  std::uint32_t pebAddress;
  std::uint32_t affinityMask;
  LONG basePriority;
  std::uint32_t processId;
  std::uint32_t parentProcessId;
};
constexpr std::uint32_t kPebProcessParameters = 0x10;
constexpr std::uint32_t kParametersCurrentDirectory = 0x24;

struct CountedText32 {
  std::uint16_t length;
  std::uint16_t maximumLength;
  std::uint32_t buffer;
};

using QueryInformationProcess = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);

template <class T>
bool readFrom(HANDLE process, std::uint32_t address, T& out) {
  SIZE_T read = 0;
  return ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<std::uintptr_t>(address)), &out,
                           sizeof out, &read) &&
         read == sizeof out;
}

struct WindowSearch {
  DWORD processId;
  const std::function<bool(HWND)>& keep;
  std::vector<HWND> windows;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && search->keep(window)) search->windows.push_back(window);
  return TRUE;
}

BOOL CALLBACK collectChild(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<std::wstring>*>(param)->push_back(windowText(window));
  return TRUE;
}

}  // namespace

ChildProgram::ChildProgram(const std::wstring& program, const std::wstring& workingFolder) {
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     workingFolder.c_str(), &startup, &info)) {
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    id_ = info.dwProcessId;
  }
}

ChildProgram::~ChildProgram() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 99);
    WaitForSingleObject(process_.get(), 5000);
  }
}

std::vector<HWND> topLevelWindowsOf(DWORD processId, const std::function<bool(HWND)>& keep) {
  WindowSearch search{processId, keep, {}};
  EnumWindows(&collectWindow, reinterpret_cast<LPARAM>(&search));
  return search.windows;
}

std::vector<HWND> ChildProgram::visibleWindows() const {
  return topLevelWindowsOf(id_, [](HWND window) { return IsWindowVisible(window) != FALSE; });
}

HWND ChildProgram::waitForWindow(DWORD timeoutMs) const {
  if (!process_) return nullptr;
  std::vector<HWND> windows;
  const auto shownOrEnded = [&] {
    windows = visibleWindows();
    return !windows.empty() || WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0;
  };
  if (!WaitUntil(shownOrEnded, timeoutMs) || windows.empty()) return nullptr;
  // The window shows during its creation; a sent message comes back only once the child's
  // thread takes messages again, that is when its start-up is over.
  WaitForInputIdle(process_.get(), 5000);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(windows.front(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
  return windows.front();
}

std::optional<DWORD> ChildProgram::waitForExit(DWORD timeoutMs) const {
  if (!process_ || WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

std::optional<std::wstring> ChildProgram::currentDirectory() const {
  auto query = reinterpret_cast<QueryInformationProcess>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  if (!query || !process_) return std::nullopt;
  ProcessBasicInformation32 basic{};
  if (query(process_.get(), 0, &basic, sizeof basic, nullptr) != 0) return std::nullopt;
  std::uint32_t parameters = 0;
  CountedText32 directory{};
  if (!readFrom(process_.get(), basic.pebAddress + kPebProcessParameters, parameters) ||
      !readFrom(process_.get(), parameters + kParametersCurrentDirectory, directory))
    return std::nullopt;
  std::wstring text(directory.length / sizeof(wchar_t), L'\0');
  SIZE_T read = 0;
  if (!ReadProcessMemory(process_.get(), reinterpret_cast<const void*>(static_cast<std::uintptr_t>(directory.buffer)),
                         text.data(), directory.length, &read) ||
      read != directory.length)
    return std::nullopt;
  return text;
}

std::wstring windowText(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return text;
}

std::wstring className(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::vector<std::wstring> childTexts(HWND window) {
  std::vector<std::wstring> texts;
  EnumChildWindows(window, &collectChild, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

}  // namespace qv::test
