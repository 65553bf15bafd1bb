#pragma once
// Background colours of forms and controls: a COLORREF, or kSystemColour for the system's
// button-face colour.
#include <windows.h>

#include <cstdint>

#include "app/core/framework/window_message.h"

namespace quorvela::win {

inline constexpr std::uint32_t kSystemColour = 0xFF000000u;

// Fills the window's client area for WM_ERASEBKGND.
void eraseBackground(HWND window, HDC dc, std::uint32_t colour);
// Answers WM_ERASEBKGND with the colour: erased, handled.
bool answerErase(HWND window, WindowMessage& message, std::uint32_t colour);

}  // namespace quorvela::win
