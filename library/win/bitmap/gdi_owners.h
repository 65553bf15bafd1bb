#pragma once
// One owner per kind of GDI handle that the bitmap class holds: the screen DC (given back
// with ReleaseDC), a memory DC (DeleteDC), a bitmap (DeleteObject) and a selection (the
// displaced object selected back). Not copyable, movable; each frees through declared calls.
#include <windows.h>

#include <utility>

#include "common/win/unique_handle.h"

namespace pixfarrow::win {

// Traits for the shared owner template: release through a plain function.
template <class Handle, void (*Free)(Handle)>
struct FreeWith {
  static void close(Handle handle) { Free(handle); }
};
template <class Handle, void (*Free)(Handle)>
using UniqueGdi = qv::win::UniqueHandleOf<Handle, FreeWith<Handle, Free>>;

void ReleaseScreenDc(HDC dc);
void DeleteMemoryDc(HDC dc);
void DeleteBitmap(HBITMAP bitmap);
void DeleteBrush(HBRUSH brush);

using ScreenDc = UniqueGdi<HDC, ReleaseScreenDc>;
using MemoryDc = UniqueGdi<HDC, DeleteMemoryDc>;
using GdiBitmap = UniqueGdi<HBITMAP, DeleteBitmap>;
using GdiBrush = UniqueGdi<HBRUSH, DeleteBrush>;

// GetDC(NULL); empty when it fails.
ScreenDc TakeScreenDc();
// CreateCompatibleDC(reference); empty when it fails.
MemoryDc MakeMemoryDc(HDC reference);

// GetDC(window) (null: the screen), given back with ReleaseDC(window, dc).
class WindowDc {
 public:
  explicit WindowDc(HWND window);
  ~WindowDc();
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC and selects the displaced one back when it ends.
class Selection {
 public:
  Selection() = default;
  Selection(HDC dc, HGDIOBJ object);
  ~Selection() { reset(); }
  Selection(Selection&& other) noexcept
      : dc_(std::exchange(other.dc_, nullptr)), displaced_(std::exchange(other.displaced_, nullptr)) {}
  Selection& operator=(Selection&& other) noexcept;
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

  // false when the object could not be selected.
  explicit operator bool() const { return displaced_ != nullptr; }
  HGDIOBJ displaced() const { return displaced_; }
  void reset();

 private:
  HDC dc_ = nullptr;
  HGDIOBJ displaced_ = nullptr;
};

}  // namespace pixfarrow::win
