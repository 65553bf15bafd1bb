#include "library/win/capture/runtime/bound_window.h"
#include "library/win/capture/runtime/drawing_board.h"

#include <windowsx.h>

#include "library/win/capture/runtime/class_registry.h"
#include "library/win/capture/runtime/dib_bytes.h"
#include "library/win/capture/runtime/runtime_module.h"

namespace pixfarrow::capture {
namespace {

constexpr wchar_t kClass[] = L"PixfarrowDrawingBoard";

// Every other pixel of the 8 x 8 pattern carries the colour; the rest stays black.
HBRUSH CreateCheckerBrush(COLORREF colour) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
    DWORD rows[8];
  } dib{};
  dib.header.biSize = sizeof dib.header;
  dib.header.biWidth = 8;
  dib.header.biHeight = 8;
  dib.header.biPlanes = 1;
  dib.header.biBitCount = 1;
  dib.colours[1] = {GetBValue(colour), GetGValue(colour), GetRValue(colour), 0};
  for (int y = 0; y < 8; ++y) dib.rows[y] = (y % 2) ? 0xAA : 0x55;
  return CreateDIBPatternBrushPt(&dib, DIB_RGB_COLORS);
}

}  // namespace

DrawingBoard::DrawingBoard(const BoardStyle& style) : style_(style) {}

DrawingBoard::~DrawingBoard() {
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

std::unique_ptr<DrawingBoard> DrawingBoard::Create(HWND parent, const wchar_t* name, RECT where,
                                                   const BoardStyle& style) {
  RegisterRuntimeClass(kClass, &BoundWindowProcedure<DrawingBoard>);
  std::unique_ptr<DrawingBoard> board(new DrawingBoard(style));
  board->pen_.reset(CreatePen(PS_SOLID, style.penWidth, style.penColour));
  board->brush_.reset(CreateCheckerBrush(style.patternColour));
  const DWORD visible = style.visible ? WS_VISIBLE : 0;
  CreateWindowExW(0, kClass, name, WS_CHILD | WS_CLIPSIBLINGS | visible, where.left, where.top,
                  where.right - where.left, where.bottom - where.top, parent, nullptr, RuntimeModule(),
                  board.get());
  if (!board->window_) return nullptr;
  board->surface_.Resize(where.right - where.left, where.bottom - where.top, style.background);
  return board;
}

LRESULT DrawingBoard::Handle(UINT message, WPARAM wp, LPARAM lp) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      const qv::win::PaintDc paint(window_);
      const RECT& area = paint.paint().rcPaint;
      gdi::BitBlt(paint.get(), area.left, area.top, area.right - area.left, area.bottom - area.top, surface_.dc(),
                  area.left, area.top, SRCCOPY);
      return 0;
    }
    case WM_SETCURSOR:
      if (style_.crossCursor && LOWORD(lp) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_CROSS));
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      SetCapture(window_);
      if (onLeftDown) onLeftDown(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return 0;
    case WM_MOUSEMOVE:
      if (onMouseMove) onMouseMove(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == window_) ReleaseCapture();
      if (onLeftUp) onLeftUp();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wp, lp);
}

void DrawingBoard::Place(int x, int y, int width, int height) {
  surface_.Resize(width, height, style_.background);
  SetWindowPos(window_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, FALSE);
}

void DrawingBoard::SetBackgroundPicture(const qv::BmpFileBytes& picture) {
  DrawBmpFileBytes(surface_.dc(), picture);
  ShowRegion(0, 0, surface_.width(), surface_.height());
}

void DrawingBoard::Clear() {
  const RECT all{0, 0, surface_.width(), surface_.height()};
  DeclaredGdi::Brush brush(gdi::CreateSolidBrush(style_.background));
  gdi::FillRect(surface_.dc(), &all, brush.get());
  ShowRegion(0, 0, surface_.width(), surface_.height());
}

void DrawingBoard::Rectangle(int left, int top, int right, int bottom) {
  HDC dc = surface_.dc();
  DeclaredGdi::Selection pen(dc, pen_.get());
  DeclaredGdi::Selection brush(dc, brush_.get());
  SetROP2(dc, R2_COPYPEN);
  ::Rectangle(dc, left, top, right, bottom);
  // The pen straddles the outline: show a little more than the rectangle itself.
  const int margin = style_.penWidth;
  ShowRegion(left - margin, top - margin, right - left + 2 * margin, bottom - top + 2 * margin);
}

void DrawingBoard::CopyTo(int x, int y, int width, int height, DrawingBoard& target, int tx, int ty) const {
  if (width <= 0 || height <= 0) return;
  gdi::BitBlt(target.surface_.dc(), tx, ty, width, height, surface_.dc(), x, y, SRCCOPY);
  target.ShowRegion(tx, ty, width, height);
}

qv::BmpFileBytes DrawingBoard::ImageBytes() const { return surface_.FileBytes(); }

void DrawingBoard::ShowRegion(int x, int y, int width, int height) const {
  if (!window_ || !IsWindowVisible(window_) || width <= 0 || height <= 0) return;
  DeclaredGdi::WindowDc dc(window_);
  gdi::BitBlt(dc.get(), x, y, width, height, surface_.dc(), x, y, SRCCOPY);
}

}  // namespace pixfarrow::capture
