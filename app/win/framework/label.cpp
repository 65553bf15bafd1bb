#include "app/win/framework/label.h"

#include "app/win/framework/control_window.h"
#include "app/win/framework/window_procedure.h"
#include "common/win/direct_gdi.h"

namespace quorvela::win {

bool Label::create(const ControlPlacement& placement) {
  return createControlWindow(*this, L"QuorvelaLabel", WS_VISIBLE | WS_CLIPSIBLINGS, 0, placement) != nullptr;
}

bool Label::onMessage(WindowMessage& message) {
  HWND window = windowOf(*this);
  switch (message.id) {
    case WM_ERASEBKGND:
      if (!transparent) return answerErase(window, message, background);
      paintParentBackground(window, reinterpret_cast<HDC>(message.wParam));
      message.result = 1;
      return true;
    case WM_PAINT: {
      const qv::win::PaintDc paint(window);
      const qv::win::DirectGdi::Selection selectFont(
          paint.get(), fontOr(font, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
      SetBkMode(paint.get(), TRANSPARENT);
      SetTextColor(paint.get(), colourOr(textColour, COLOR_WINDOWTEXT));
      RECT client{};
      GetClientRect(window, &client);
      const std::wstring wide = windowTextOf(window);
      const UINT format = wordWrap ? DT_LEFT | DT_WORDBREAK | DT_NOPREFIX : DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
      DrawTextW(paint.get(), wide.c_str(), static_cast<int>(wide.size()), &client, format);
      return true;
    }
    case WM_SETTEXT:
      InvalidateRect(window, nullptr, TRUE);
      return false;
    default:
      return false;
  }
}

}  // namespace quorvela::win
