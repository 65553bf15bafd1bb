#pragma once
// One owner per handle kind: not copyable, movable.
#include <windows.h>

#include "common/win/unique_handle.h"

namespace quorvela::win {

using qv::win::UniqueHandleOf;

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
