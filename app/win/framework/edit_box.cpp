#include "app/win/framework/edit_box.h"

#include "app/core/framework/integer_input.h"
#include "app/win/framework/control_window.h"
#include "app/win/framework/reflected_command.h"
#include "app/win/framework/window_procedure.h"

namespace quorvela::win {

bool EditBox::create(const ControlPlacement& placement) {
  DWORD style = WS_VISIBLE | WS_CLIPSIBLINGS | ES_AUTOHSCROLL;
  if (centred) style |= ES_CENTER;
  if (!hideSelection) style |= ES_NOHIDESEL;
  if (tabStop) style |= WS_TABSTOP;
  HWND window = createSystemControlWindow(*this, L"EDIT", style, clientEdge ? WS_EX_CLIENTEDGE : 0, placement);
  if (!window) return false;
  if (font) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font->get()), FALSE);
  if (maxLength > 0) SendMessageW(window, EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength), 0);
  return true;
}

bool EditBox::onMessage(WindowMessage& message) {
  if (message.id == kReflectedCommand && HIWORD(message.wParam) == EN_CHANGE) {
    textChangedEvent.fire(this);
    message.result = 0;
    return true;
  }
  if (message.id == WM_CHAR && integerInput && !acceptsIntegerInput(static_cast<char16_t>(message.wParam))) {
    MessageBeep(MB_ICONEXCLAMATION);
    message.result = 0;
    return true;
  }
  return false;
}

}  // namespace quorvela::win
