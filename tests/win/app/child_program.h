#pragma once
// Quorvela started as a user starts it, watched from outside.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/win/kernel_owners.h"

namespace qv::test {

class ChildProgram {
 public:
  // Starts program with workingFolder as its current directory.
  ChildProgram(const std::wstring& program, const std::wstring& workingFolder);
  // A child still running is ended (ours, by its handle).
  ~ChildProgram();
  ChildProgram(const ChildProgram&) = delete;
  ChildProgram& operator=(const ChildProgram&) = delete;

  bool started() const { return static_cast<bool>(process_); }
  DWORD id() const { return id_; }

  // The child's visible top-level windows.
  std::vector<HWND> visibleWindows() const;
  // Waits until the child shows a visible top-level window and then waits for input;
  // null after the timeout or when the child ended first.
  HWND waitForWindow(DWORD timeoutMs = 20000) const;
  // The exit code, or nothing when the child is still running after the timeout.
  std::optional<DWORD> waitForExit(DWORD timeoutMs = 20000) const;
  // The child's current directory, read from its process parameters.
  std::optional<std::wstring> currentDirectory() const;

 private:
  qv::win::UniqueKernelHandle process_;
  DWORD id_ = 0;
};

// The top-level windows of a process that keep() accepts.
std::vector<HWND> topLevelWindowsOf(DWORD processId, const std::function<bool(HWND)>& keep);

std::wstring windowText(HWND window);
std::wstring className(HWND window);
// Texts of the window's child windows, in order.
std::vector<std::wstring> childTexts(HWND window);

}  // namespace qv::test
