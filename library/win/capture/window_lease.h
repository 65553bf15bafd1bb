#pragma once
// A window lent to an animation thread: the thread works on it only while it exists,
// and the window's own thread takes it back before the window is destroyed.
#include <windows.h>

#include <functional>
#include <mutex>

namespace pixfarrow::capture {

class WindowLease {
 public:
  explicit WindowLease(HWND window) : window_(window) {}

  // Runs one step with the window; false once the lease is taken back.
  bool WithWindow(const std::function<void(HWND)>& step);

  // On the window's thread, while the window still exists: waits for a step under way
  // (handling the messages that step sends to this thread), then ends the lease.
  void TakeBack();

 private:
  std::mutex lock_;
  HWND window_;
};

}  // namespace pixfarrow::capture
