#pragma once
// One owner per kind of GDI handle, written once over a set of calls: the program passes
// the Windows functions themselves (DirectGdi), the library its declared calls
// (DeclaredGdi). Calls provides, as static functions, what the owners used need:
// DeleteObject, DeleteDC, CreateCompatibleDC, GetDC, ReleaseDC, SelectObject (and
// GetWindowDC for WindowDc::wholeWindow). Not copyable; movable.
#include <windows.h>

#include <utility>

#include "common/win/unique_handle.h"

namespace qv::win {

template <class Calls>
struct GdiOwners {
  template <class Handle>
  struct DeleteObjectTraits {
    static void close(Handle object) { Calls::DeleteObject(object); }
  };
  struct DeleteDcTraits {
    static void close(HDC dc) { Calls::DeleteDC(dc); }
  };

  // A GDI object, deleted with DeleteObject.
  template <class Handle>
  using Object = UniqueHandleOf<Handle, DeleteObjectTraits<Handle>>;
  using Bitmap = Object<HBITMAP>;
  using Brush = Object<HBRUSH>;
  using Font = Object<HFONT>;
  using Pen = Object<HPEN>;
  using Palette = Object<HPALETTE>;

  // A DC made with CreateCompatibleDC, deleted with DeleteDC.
  using MemoryDc = UniqueHandleOf<HDC, DeleteDcTraits>;
  // CreateCompatibleDC(reference) (null: the screen); empty when it fails.
  static MemoryDc memoryDcFor(HDC reference) { return MemoryDc(Calls::CreateCompatibleDC(reference)); }

  // A window's DC (null: the screen's), given back with ReleaseDC.
  struct WindowDcHandle {
    HWND window = nullptr;
    HDC dc = nullptr;
    bool operator==(const WindowDcHandle&) const = default;
  };
  struct ReleaseDcTraits {
    static void close(WindowDcHandle handle) {
      if (handle.dc) Calls::ReleaseDC(handle.window, handle.dc);
    }
  };
  class WindowDc : public UniqueHandleOf<WindowDcHandle, ReleaseDcTraits> {
   public:
    // GetDC: the client area.
    explicit WindowDc(HWND window) : WindowDc(window, Calls::GetDC(window)) {}
    // GetWindowDC: the whole window, frame and title bar included.
    static WindowDc wholeWindow(HWND window) { return WindowDc(window, Calls::GetWindowDC(window)); }

    HDC get() const { return handle().dc; }
    explicit operator bool() const { return get() != nullptr; }

   private:
    using Owner = UniqueHandleOf<WindowDcHandle, ReleaseDcTraits>;
    WindowDc(HWND window, HDC dc) : Owner(dc ? WindowDcHandle{window, dc} : WindowDcHandle{}) {}
    WindowDcHandle handle() const { return Owner::get(); }
  };

  // An object selected into a DC; the object it displaced is selected back when the
  // selection ends.
  struct SelectionHandle {
    HDC dc = nullptr;
    HGDIOBJ displaced = nullptr;
    bool operator==(const SelectionHandle&) const = default;
  };
  struct SelectBackTraits {
    static void close(SelectionHandle handle) { Calls::SelectObject(handle.dc, handle.displaced); }
  };
  class Selection : public UniqueHandleOf<SelectionHandle, SelectBackTraits> {
   public:
    Selection() = default;
    Selection(HDC dc, HGDIOBJ object) : Owner(select(dc, object)) {}

    // false when the object could not be selected.
    explicit operator bool() const { return displaced() != nullptr; }
    HGDIOBJ displaced() const { return Owner::get().displaced; }

   private:
    using Owner = UniqueHandleOf<SelectionHandle, SelectBackTraits>;
    static SelectionHandle select(HDC dc, HGDIOBJ object) {
      HGDIOBJ displaced = dc && object ? Calls::SelectObject(dc, object) : nullptr;
      if (!displaced || displaced == HGDI_ERROR) return {};
      return {dc, displaced};
    }
  };
};

// BeginPaint and EndPaint for WM_PAINT (both deliverables call them directly).
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintDc() { EndPaint(window_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const { return dc_; }
  const PAINTSTRUCT& paint() const { return paint_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

}  // namespace qv::win
