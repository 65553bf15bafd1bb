#pragma once
// One owner per handle kind: not copyable, movable.
#include <windows.h>

#include <utility>

namespace quorvela::win {

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
  void reset(Handle handle = Handle{}) {
    if (handle_ != Handle{}) Traits::close(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_{};
};

struct ModuleTraits {
  static void close(HMODULE module) { FreeLibrary(module); }
};
struct BrushTraits {
  static void close(HBRUSH brush) { DeleteObject(brush); }
};

using UniqueModule = UniqueHandleOf<HMODULE, ModuleTraits>;
using UniqueBrush = UniqueHandleOf<HBRUSH, BrushTraits>;

// A window's DC obtained with GetDC, given back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace quorvela::win
