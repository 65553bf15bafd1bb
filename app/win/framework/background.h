#pragma once
// Background colours of forms and controls: a COLORREF, or kSystemColour for the system's
// button-face colour.
#include <windows.h>

#include <cstdint>

namespace quorvela::win {

inline constexpr std::uint32_t kSystemColour = 0xFF000000u;

// Fills the window's client area for WM_ERASEBKGND.
void eraseBackground(HWND window, HDC dc, std::uint32_t colour);

}  // namespace quorvela::win
