#pragma once
// A visible top-level window whose white client area shows a text exactly as the finder
// draws it (each text pixel of the drawing in red), painted both for WM_PAINT and for
// WM_PRINTCLIENT (what PrintWindow asks for).
#include <windows.h>

#include "library/core/text_pattern.h"

namespace qv::test {

class TextWindow {
 public:
  // Client area width x height, the window's top-left at (left, top), the drawing's
  // top-left at client (textX, textY); returns once the screen shows the text.
  TextWindow(int left, int top, int width, int height, const pixfarrow::TextMask& drawing, int textX, int textY);
  ~TextWindow();
  TextWindow(const TextWindow&) = delete;
  TextWindow& operator=(const TextWindow&) = delete;
  HWND get() const { return window_; }
  bool shown() const { return shown_; }
  // The colour shown at client (x, y).
  COLORREF At(int x, int y) const;

  // Screen position of the client area's top-left corner.
  POINT ClientOrigin() const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wp, LPARAM lp);
  void Paint(HDC dc) const;

  pixfarrow::TextMask drawing_;
  int textX_, textY_;
  HWND window_ = nullptr;
  bool shown_ = false;
};

}  // namespace qv::test
