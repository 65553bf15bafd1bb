#pragma once
// The one owner template for Windows handles: not copyable, movable, closed by Traits.
// The kinds are named once: kernel_owners.h, and gdi_owners.h over a set of calls.
#include <utility>

namespace qv::win {

template <class Handle, class Traits>
class UniqueHandleOf {
 public:
  UniqueHandleOf() = default;
  explicit UniqueHandleOf(Handle handle) : handle_(handle) {}
  ~UniqueHandleOf() { reset(); }
  UniqueHandleOf(UniqueHandleOf&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  UniqueHandleOf& operator=(UniqueHandleOf&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, Handle{}));
    return *this;
  }
  UniqueHandleOf(const UniqueHandleOf&) = delete;
  UniqueHandleOf& operator=(const UniqueHandleOf&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  // Gives the handle up without closing it (ownership passed elsewhere).
  [[nodiscard]] Handle release() { return std::exchange(handle_, Handle{}); }
  void reset(Handle handle = Handle{}) {
    if (handle_ != Handle{}) Traits::close(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_{};
};

}  // namespace qv::win
