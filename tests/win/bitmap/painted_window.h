#pragma once
// A visible top-level window with a caption and a frame whose client area shows a known
// pattern, painted both for WM_PAINT and for WM_PRINTCLIENT (what PrintWindow asks for).
#include <windows.h>

#include <cstdint>

namespace qv::test {

class PaintedWindow {
 public:
  // Client area width x height, placed with its window's top-left at (left, top); returns
  // once the screen shows the pattern (or the wait's ceiling has passed).
  PaintedWindow(int left, int top, int width, int height);
  ~PaintedWindow();
  PaintedWindow(const PaintedWindow&) = delete;
  PaintedWindow& operator=(const PaintedWindow&) = delete;
  HWND get() const { return window_; }
  // Whether the screen showed the whole pattern before the constructor returned.
  bool shown() const { return shown_; }

  // The colour at client (x, y), as a COLORREF 0x00BBGGRR: none black, and varied enough
  // that a 6 x 6 piece occurs once even in palette indexes.
  static COLORREF At(int x, int y) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x9E3779B1u ^ static_cast<std::uint32_t>(y) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return RGB(h & 0xFF, (h >> 8) & 0xFF, 0x80 | ((h >> 16) & 0x7F));
  }

  // Screen position of the client area's top-left corner.
  POINT ClientOrigin() const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wp, LPARAM lp);
  HWND window_ = nullptr;
  bool shown_ = false;
};

// A plain popup of one colour over a screen rectangle, on top of every other window;
// constructed once the screen shows it.
class CoverWindow {
 public:
  CoverWindow(const RECT& area, COLORREF colour);
  ~CoverWindow();
  CoverWindow(const CoverWindow&) = delete;
  CoverWindow& operator=(const CoverWindow&) = delete;
  // Whether the screen showed the colour over the whole area before the constructor returned.
  bool shown() const { return shown_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wp, LPARAM lp);
  HWND window_ = nullptr;
  bool shown_ = false;
};

}  // namespace qv::test
