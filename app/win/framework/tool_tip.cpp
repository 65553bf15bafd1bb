#include "app/win/framework/tool_tip.h"

#include <commctrl.h>

#include "app/win/framework/framework_state.h"

namespace quorvela::win {

namespace {

constexpr const wchar_t* kTipProperty = L"QuorvelaToolTip";

TTTOOLINFOW toolFor(HWND window, const std::wstring& text) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(window) ? GetParent(window) : window;
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  return tool;
}

}  // namespace

void setWindowTip(HWND window, const std::wstring& text) {
  if (!window) return;
  auto tip = static_cast<HWND>(GetPropW(window, kTipProperty));
  if (!tip) {
    tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, frameworkStart().instance, nullptr);
    if (!tip) return;
    SetPropW(window, kTipProperty, tip);
    TTTOOLINFOW tool = toolFor(window, text);
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return;
  }
  TTTOOLINFOW tool = toolFor(window, text);
  SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void dropWindowTip(HWND window) {
  if (auto tip = static_cast<HWND>(RemovePropW(window, kTipProperty))) DestroyWindow(tip);
}

}  // namespace quorvela::win
