#pragma once
// One owner per GDI handle kind the capture uses; none copyable.
#include <windows.h>

#include <utility>

#include "common/win/unique_handle.h"
#include "library/win/capture/runtime/gdi_calls.h"

namespace pixfarrow::capture {

// A DC from GetDC, given back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(gdi::GetDC(window)) {}
  ~WindowDc() {
    if (dc_) gdi::ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A memory DC, deleted with DeleteDC.
class MemoryDc {
 public:
  MemoryDc() = default;
  explicit MemoryDc(HDC compatibleWith) : dc_(gdi::CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDc() {
    if (dc_) gdi::DeleteDC(dc_);
  }
  MemoryDc(MemoryDc&& o) noexcept : dc_(std::exchange(o.dc_, nullptr)) {}
  MemoryDc& operator=(MemoryDc&& o) noexcept {
    std::swap(dc_, o.dc_);
    return *this;
  }
  HDC get() const { return dc_; }

 private:
  HDC dc_ = nullptr;
};

// Any GDI object (bitmap, pen, brush, font), deleted with DeleteObject.
struct GdiObjectTraits {
  static void close(HGDIOBJ object) { gdi::DeleteObject(object); }
};
template <class Handle>
using GdiObject = qv::win::UniqueHandleOf<Handle, GdiObjectTraits>;

using UniqueBitmap = GdiObject<HBITMAP>;
using UniquePen = GdiObject<HPEN>;
using UniqueBrush = GdiObject<HBRUSH>;
using UniqueFont = GdiObject<HFONT>;

// Selects an object into a DC for a scope and puts back what it displaced.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? gdi::SelectObject(dc, object) : nullptr) {}
  ~ScopedSelect() {
    if (old_) gdi::SelectObject(dc_, old_);
  }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace pixfarrow::capture
