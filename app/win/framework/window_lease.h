#pragma once
// A window lent to an animation thread: the thread works on it only while it exists,
// and the window's own thread takes it back before the window is destroyed.
#include <windows.h>

#include <functional>
#include <mutex>

namespace qv::win {

class WindowLease {
 public:
  explicit WindowLease(HWND window) : window_(window) {}

  // Runs one step with the window; false once the lease is taken back.
  bool WithWindow(const std::function<void(HWND)>& step) {
    std::lock_guard<std::mutex> hold(lock_);
    if (!window_) return false;
    step(window_);
    return true;
  }

  // On the window's thread, while the window still exists: waits for a step under way
  // (handling the messages that step sends to this thread), then ends the lease.
  void TakeBack() {
    // A step may be waiting for this thread to answer a message it sent (moving or
    // restyling a window does); plain blocking here would deadlock.
    while (!lock_.try_lock()) {
      MSG msg;
      PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
      Sleep(0);
    }
    window_ = nullptr;
    lock_.unlock();
  }

 private:
  std::mutex lock_;
  HWND window_;
};

}  // namespace qv::win
