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
  class WindowDc {
   public:
    // GetDC: the client area.
    explicit WindowDc(HWND window) : window_(window), dc_(Calls::GetDC(window)) {}
    // GetWindowDC: the whole window, frame and title bar included.
    static WindowDc wholeWindow(HWND window) { return WindowDc(window, Calls::GetWindowDC(window)); }
    ~WindowDc() { reset(); }
    WindowDc(WindowDc&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDc& operator=(WindowDc&& other) noexcept {
      if (this != &other) {
        reset();
        window_ = std::exchange(other.window_, nullptr);
        dc_ = std::exchange(other.dc_, nullptr);
      }
      return *this;
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    // Gives the DC back now.
    void reset() {
      if (dc_) Calls::ReleaseDC(window_, dc_);
      window_ = nullptr;
      dc_ = nullptr;
    }

   private:
    WindowDc(HWND window, HDC dc) : window_(window), dc_(dc) {}

    HWND window_ = nullptr;
    HDC dc_ = nullptr;
  };

  // An object selected into a DC; the object it displaced is selected back when the
  // selection ends.
  class Selection {
   public:
    Selection() = default;
    Selection(HDC dc, HGDIOBJ object) {
      HGDIOBJ displaced = dc && object ? Calls::SelectObject(dc, object) : nullptr;
      if (displaced && displaced != HGDI_ERROR) {
        dc_ = dc;
        displaced_ = displaced;
      }
    }
    ~Selection() { reset(); }
    Selection(Selection&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), displaced_(std::exchange(other.displaced_, nullptr)) {}
    Selection& operator=(Selection&& other) noexcept {
      if (this != &other) {
        reset();
        dc_ = std::exchange(other.dc_, nullptr);
        displaced_ = std::exchange(other.displaced_, nullptr);
      }
      return *this;
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

    // false when the object could not be selected.
    explicit operator bool() const { return displaced_ != nullptr; }
    HGDIOBJ displaced() const { return displaced_; }
    void reset() {
      if (dc_ && displaced_) Calls::SelectObject(dc_, displaced_);
      dc_ = nullptr;
      displaced_ = nullptr;
    }

   private:
    HDC dc_ = nullptr;
    HGDIOBJ displaced_ = nullptr;
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
