#pragma once
// Drawing board: a child window whose picture lives in a persistent bitmap, so it
// survives covering and can be read back while the board is hidden.
#include <windows.h>

#include <functional>
#include <memory>

#include "common/bmp_file_bytes.h"
#include "library/win/capture/runtime/board_surface.h"

namespace pixfarrow::capture {

struct BoardStyle {
  COLORREF background = RGB(255, 255, 255);
  bool visible = true;
  bool crossCursor = false;
  COLORREF penColour = RGB(0, 0, 0);
  int penWidth = 1;
  COLORREF patternColour = RGB(255, 255, 255);  // 8 x 8 pattern brush of the rectangles
};

class DrawingBoard {
 public:
  static std::unique_ptr<DrawingBoard> Create(HWND parent, const wchar_t* name, RECT where, const BoardStyle& style);
  ~DrawingBoard();
  DrawingBoard(const DrawingBoard&) = delete;
  DrawingBoard& operator=(const DrawingBoard&) = delete;

  HWND window() const { return window_; }
  void SetBackgroundColour(COLORREF colour) { style_.background = colour; }
  // Moves and resizes the board and its bitmap.
  void Place(int x, int y, int width, int height);
  void SetBackgroundPicture(const qv::BmpFileBytes& picture);
  void Clear();
  void Rectangle(int left, int top, int right, int bottom);
  // Plain copy of a region into the target's bitmap and window.
  void CopyTo(int x, int y, int width, int height, DrawingBoard& target, int tx, int ty) const;
  // The bitmap as BMP file bytes at the display's depth; empty without width or height.
  qv::BmpFileBytes ImageBytes() const;

  std::function<void(int x, int y)> onLeftDown;
  std::function<void(int x, int y)> onMouseMove;
  std::function<void()> onLeftUp;

 private:
  explicit DrawingBoard(const BoardStyle& style);
  template <class T>
  friend LRESULT CALLBACK BoundWindowProcedure(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT message, WPARAM wp, LPARAM lp);
  void ShowRegion(int x, int y, int width, int height) const;

  HWND window_ = nullptr;
  BoardStyle style_;
  BoardSurface surface_;
  DeclaredGdi::Pen pen_;
  DeclaredGdi::Brush brush_;
};

}  // namespace pixfarrow::capture
