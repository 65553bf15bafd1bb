#pragma once
// A child control's WM_COMMAND notification, sent back to the control itself by its
// framework parent, so that the control raises its own events (an edit box's text change).
#include <windows.h>

namespace quorvela::win {

// wParam and lParam as in the parent's WM_COMMAND.
inline constexpr UINT kReflectedCommand = WM_USER + 0x1C00 + WM_COMMAND;

}  // namespace quorvela::win
