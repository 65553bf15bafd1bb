#pragma once
// Window templates: a window and its controls as data (design positions and sizes in
// pixels), from which LoadWindow builds the real thing.
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "library/win/capture/runtime/drawing_board.h"

namespace pixfarrow::capture {

enum class ControlKind { DrawingBoard, Label, ShapeBox, PictureBox };

// The font of a template's label.
struct LabelFont {
  std::wstring face;
  int height = 0;  // character height in pixels
  int weight = FW_NORMAL;
};

struct ControlTemplate {
  std::wstring name;
  ControlKind kind = ControlKind::Label;
  RECT where{};          // in the client area of `inside`, or of the window
  std::wstring inside;   // name of the containing shape box; empty: the window
  std::wstring text;     // labels
  LabelFont font;         // labels
  bool multiLine = false;
  BoardStyle board;      // drawing boards
  std::span<const std::uint8_t> picture;  // picture boxes
  COLORREF colour = RGB(255, 255, 255);   // background of labels, shape boxes, pictures
  COLORREF border = RGB(0, 0, 0);         // shape boxes
  COLORREF textColour = RGB(0, 0, 0);     // labels
};

struct WindowTemplate {
  std::wstring name;
  RECT where{};
  COLORREF background = RGB(255, 255, 255);
  DWORD exStyle = 0;
  bool activateOnClick = true;  // false: a click leaves activation (and stacking) alone
  std::vector<ControlTemplate> controls;
};

}  // namespace pixfarrow::capture
