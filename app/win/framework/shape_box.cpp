#include "app/win/framework/shape_box.h"

#include "app/core/framework/picture_placement.h"
#include "app/win/framework/control_window.h"
#include "app/win/framework/window_procedure.h"
#include "common/win/direct_gdi.h"

namespace quorvela::win {

bool ShapeBox::create(const ControlPlacement& placement) {
  return createControlWindow(*this, L"QuorvelaShapeBox", WS_VISIBLE | WS_CLIPSIBLINGS, 0, placement) != nullptr;
}

bool ShapeBox::onMessage(WindowMessage& message) {
  HWND window = windowOf(*this);
  switch (message.id) {
    case WM_ERASEBKGND:
      return answerErase(window, message, background);
    case WM_PAINT: {
      const qv::win::PaintDc paint(window);
      RECT client{};
      GetClientRect(window, &client);
      const DesignRect square = centredSquare(client.right, client.bottom);
      const qv::win::DirectGdi::Pen pen(
          CreatePen(PS_INSIDEFRAME, outlineWidth, colourOr(outlineColour, COLOR_WINDOWTEXT)));
      const qv::win::DirectGdi::Brush brush(CreateSolidBrush(colourOr(fillColour, COLOR_WINDOW)));
      const qv::win::DirectGdi::Selection selectPen(paint.get(), pen.get());
      const qv::win::DirectGdi::Selection selectBrush(paint.get(), brush.get());
      Ellipse(paint.get(), square.left, square.top, square.left + square.width, square.top + square.height);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace quorvela::win
