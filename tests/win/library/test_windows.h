#pragma once
// Top-level windows made by a test in its own process, for the chat-window finder.
#include <windows.h>

#include <string>
#include <vector>

#include "common/win/kernel_owners.h"

namespace qv::test {

// A plain top-level window with a title; visible or hidden; destroyed with the object.
class TestWindow {
 public:
  TestWindow(const std::wstring& title, bool visible);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND get() const { return window_; }

 private:
  HWND window_ = nullptr;
};

// A visible top-level window whose thread stops answering messages after creating it.
class HungWindow {
 public:
  explicit HungWindow(const std::wstring& title);
  ~HungWindow();
  HungWindow(const HungWindow&) = delete;
  HungWindow& operator=(const HungWindow&) = delete;
  HWND get() const { return window_; }

 private:
  static DWORD WINAPI Run(void* self);
  std::wstring title_;
  qv::win::UniqueKernelHandle ready_;
  qv::win::UniqueKernelHandle release_;
  qv::win::UniqueKernelHandle thread_;
  HWND window_ = nullptr;
};

// Visible top-level windows in EnumWindows order.
std::vector<HWND> VisibleTopLevelWindows();

// Waits for a handle while this thread keeps answering sent messages.
void WaitPumping(HANDLE handle, DWORD timeoutMs);

}  // namespace qv::test
