#include "app/win/framework/background.h"

#include "common/win/direct_gdi.h"

namespace quorvela::win {

void eraseBackground(HWND window, HDC dc, std::uint32_t colour) {
  RECT client{};
  GetClientRect(window, &client);
  if (colour == kSystemColour) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));  // a system brush: not ours to free
    return;
  }
  const qv::win::DirectGdi::Brush brush(CreateSolidBrush(static_cast<COLORREF>(colour)));
  if (brush) FillRect(dc, &client, brush.get());
}

bool answerErase(HWND window, WindowMessage& message, std::uint32_t colour) {
  eraseBackground(window, reinterpret_cast<HDC>(message.wParam), colour);
  message.result = 1;
  return true;
}

}  // namespace quorvela::win
