#include "app/win/framework/group_box.h"

#include "app/win/framework/control_window.h"
#include "app/win/framework/window_procedure.h"
#include "common/win/direct_gdi.h"

namespace quorvela::win {

namespace {

constexpr int kCaptionIndent = 8;

// Without a font of its own the box draws in the font its class has by default.
HFONT classDefaultFont() { return static_cast<HFONT>(GetStockObject(SYSTEM_FONT)); }

void paintGroup(HWND window, HFONT font, COLORREF background) {
  const qv::win::PaintDc paint(window);
  HDC dc = paint.get();
  const qv::win::DirectGdi::Selection selectFont(dc, font);
  RECT client{};
  GetClientRect(window, &client);
  const std::wstring caption = windowTextOf(window);
  SIZE extent{0, 0};
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);

  RECT frame = client;
  frame.top += metrics.tmHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  if (caption.empty()) return;
  // The caption sits on the frame's top line, over the box's background.
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, background);
  SetTextColor(dc, GetSysColor(IsWindowEnabled(window) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  RECT text{kCaptionIndent, 0, kCaptionIndent + extent.cx + 4, metrics.tmHeight};
  ExtTextOutW(dc, text.left + 2, 0, ETO_OPAQUE, &text, caption.c_str(), static_cast<UINT>(caption.size()), nullptr);
}

}  // namespace

bool GroupBox::create(const ControlPlacement& placement) {
  const DWORD style = WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (enabled ? 0 : WS_DISABLED);
  return createControlWindow(*this, L"QuorvelaGroupBox", style, WS_EX_CONTROLPARENT, placement) != nullptr;
}

bool GroupBox::onMessage(WindowMessage& message) {
  HWND window = windowOf(*this);
  switch (message.id) {
    case WM_ERASEBKGND:
      return answerErase(window, message, background);
    case WM_PAINT:
      paintGroup(window, fontOr(font, classDefaultFont()), colourOr(background, COLOR_BTNFACE));
      return true;
    case WM_SETTEXT:
    case WM_ENABLE:
      InvalidateRect(window, nullptr, TRUE);
      return false;
    default:
      return false;
  }
}

}  // namespace quorvela::win
