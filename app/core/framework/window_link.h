#pragma once
// The window behind a control or form, shared by every copy of that object. The window
// reports its messages to one listener: the copy that registered last.
#include <atomic>
#include <cstdint>
#include <memory>

namespace quorvela {

class WindowObject;

class WindowLink {
 public:
  using Closer = void (*)(std::uintptr_t handle);

  WindowLink() = default;
  WindowLink(const WindowLink&) = delete;
  WindowLink& operator=(const WindowLink&) = delete;
  // The last reference closes a window that still exists, when a closer was given.
  ~WindowLink();

  std::uintptr_t handle() const { return handle_.load(std::memory_order_acquire); }
  void attach(std::uintptr_t handle, Closer closer) {
    closer_ = closer;
    handle_.store(handle, std::memory_order_release);
  }
  // The window is gone (its last message has arrived).
  void detach() { handle_.store(0, std::memory_order_release); }

  WindowObject* listener() const { return listener_; }
  void listen(WindowObject* object) { listener_ = object; }
  void withdraw(WindowObject* object) {
    if (listener_ == object) listener_ = nullptr;
  }

 private:
  std::atomic<std::uintptr_t> handle_{0};
  Closer closer_ = nullptr;
  WindowObject* listener_ = nullptr;
};

}  // namespace quorvela
