#pragma once
// Owners for the GDI and kernel handles of the program's own drawing and waiting: a DC
// obtained from a window (GetDC or GetWindowDC), a created DC, a bitmap, an object kept
// selected for a scope, a kernel handle.
#include <windows.h>

#include "common/win/unique_handle.h"

namespace quorvela::win {

using qv::win::UniqueHandleOf;

struct CreatedDcTraits {
  static void close(HDC dc) { DeleteDC(dc); }
};
struct GdiObjectTraits {
  static void close(HGDIOBJ object) { DeleteObject(object); }
};
struct KernelHandleTraits {
  static void close(HANDLE handle) { CloseHandle(handle); }
};

using UniqueCreatedDc = UniqueHandleOf<HDC, CreatedDcTraits>;
using UniqueBitmap = UniqueHandleOf<HBITMAP, GdiObjectTraits>;
using UniquePalette = UniqueHandleOf<HPALETTE, GdiObjectTraits>;
using UniqueKernelHandle = UniqueHandleOf<HANDLE, KernelHandleTraits>;

// A DC borrowed from a window, given back with ReleaseDC.
class ObtainedDc {
 public:
  static ObtainedDc OfClientArea(HWND window) { return ObtainedDc(window, GetDC(window)); }
  static ObtainedDc OfWholeWindow(HWND window) { return ObtainedDc(window, GetWindowDC(window)); }
  ObtainedDc(ObtainedDc&& other) noexcept : window_(other.window_), dc_(other.dc_) { other.dc_ = nullptr; }
  ObtainedDc& operator=(ObtainedDc&&) = delete;
  ObtainedDc(const ObtainedDc&) = delete;
  ~ObtainedDc() { reset(); }

  HDC get() const { return dc_; }
  void reset() {
    if (dc_) ReleaseDC(window_, dc_);
    dc_ = nullptr;
  }

 private:
  ObtainedDc(HWND window, HDC dc) : window_(window), dc_(dc) {}
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class ScopedSelection {
 public:
  ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelection() { restore(); }
  ScopedSelection(const ScopedSelection&) = delete;
  ScopedSelection& operator=(const ScopedSelection&) = delete;
  void restore() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    previous_ = nullptr;
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace quorvela::win
