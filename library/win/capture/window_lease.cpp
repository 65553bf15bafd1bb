#include "library/win/capture/window_lease.h"

namespace pixfarrow::capture {

bool WindowLease::WithWindow(const std::function<void(HWND)>& step) {
  std::lock_guard<std::mutex> hold(lock_);
  if (!window_) return false;
  step(window_);
  return true;
}

void WindowLease::TakeBack() {
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

}  // namespace pixfarrow::capture
