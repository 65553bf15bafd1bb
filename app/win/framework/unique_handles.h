#pragma once
// One owner per handle kind: not copyable, movable.
#include <windows.h>

#include "common/win/unique_handle.h"

namespace quorvela::win {

using qv::win::UniqueHandleOf;

struct ModuleTraits {
  static void close(HMODULE module) { FreeLibrary(module); }
};
struct KernelHandleTraits {
  static void close(HANDLE handle) { CloseHandle(handle); }
};
template <class Object>
struct GdiObjectTraits {
  static void close(Object object) { DeleteObject(object); }
};
struct CreatedDcTraits {
  static void close(HDC dc) { DeleteDC(dc); }
};

using UniqueModule = UniqueHandleOf<HMODULE, ModuleTraits>;
using UniqueKernelHandle = UniqueHandleOf<HANDLE, KernelHandleTraits>;
using UniqueBrush = UniqueHandleOf<HBRUSH, GdiObjectTraits<HBRUSH>>;
using UniqueFont = UniqueHandleOf<HFONT, GdiObjectTraits<HFONT>>;
using UniquePen = UniqueHandleOf<HPEN, GdiObjectTraits<HPEN>>;
using UniqueBitmap = UniqueHandleOf<HBITMAP, GdiObjectTraits<HBITMAP>>;
using UniqueCreatedDc = UniqueHandleOf<HDC, CreatedDcTraits>;  // CreateCompatibleDC
using UniquePalette = UniqueHandleOf<HPALETTE, GdiObjectTraits<HPALETTE>>;

// Selects an object into a DC for a scope and puts the previous one back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  ~ScopedSelect() {
    if (previous_) SelectObject(dc_, previous_);
  }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint and EndPaint for WM_PAINT.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintDc() { EndPaint(window_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// A file opened with CreateFileW; INVALID_HANDLE_VALUE (its failure) is held as none.
class UniqueFile : public UniqueHandleOf<HANDLE, KernelHandleTraits> {
 public:
  UniqueFile() = default;
  explicit UniqueFile(HANDLE file) : UniqueHandleOf(file == INVALID_HANDLE_VALUE ? nullptr : file) {}
};

// A window's DC, of its client area (GetDC) or of the whole window with its frame
// (GetWindowDC), given back with ReleaseDC.
class WindowDc {
 public:
  enum Area { kClientArea, kWholeWindow };
  explicit WindowDc(HWND window, Area area = kClientArea)
      : window_(window), dc_(area == kWholeWindow ? GetWindowDC(window) : GetDC(window)) {}
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
