#pragma once
// The tool tip of a control window: made on first use, kept with the window and destroyed
// with it.
#include <windows.h>

#include <string>

namespace quorvela::win {

// Sets (or replaces) the tip text shown when the pointer rests on the window.
void setWindowTip(HWND window, const std::wstring& text);
// Called when the window is destroyed.
void dropWindowTip(HWND window);

}  // namespace quorvela::win
