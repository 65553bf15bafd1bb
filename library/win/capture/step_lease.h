#pragma once
// A capture window lent to an animation thread. The thread only posts its steps to the
// window and the window's own thread applies them, so the thread never waits on the
// window's thread; once the lease is taken back it posts nothing more, so no step can reach
// a destroyed or reused handle.
#include <windows.h>

#include <mutex>

namespace pixfarrow::capture {

class StepLease {
 public:
  explicit StepLease(HWND window) : window_(window) {}
  StepLease(const StepLease&) = delete;
  StepLease& operator=(const StepLease&) = delete;

  // Animation thread: posts one step; false once the lease is taken back or the post fails.
  bool Post(UINT message, WPARAM wp, LPARAM lp) {
    std::lock_guard<std::mutex> hold(lock_);
    return window_ && PostMessageW(window_, message, wp, lp);
  }

  // Window's thread, while the window still exists. Never waits long: a post holds the
  // lock only while it queues its message.
  void TakeBack() {
    std::lock_guard<std::mutex> hold(lock_);
    window_ = nullptr;
  }

 private:
  std::mutex lock_;
  HWND window_;
};

}  // namespace pixfarrow::capture
