#pragma once
// Creating control windows and the services every control shares: text, position, and
// the parent's background under a transparent control.
#include <windows.h>

#include <string>

#include "app/core/framework/window_object.h"
#include "app/win/framework/panel.h"

namespace quorvela::win {

// A window of a framework class (registered once, painting its own background).
HWND createControlWindow(WindowObject& control, const wchar_t* className, DWORD style, DWORD exStyle,
                         const ControlPlacement& placement);

// A window of a system class (edit, rich edit): its messages reach the listener first,
// through a subclass, and then the class's own procedure.
HWND createSystemControlWindow(WindowObject& control, const wchar_t* className, DWORD style, DWORD exStyle,
                               const ControlPlacement& placement);

// Stores the text; a window that exists shows it at once.
void SetControlText(WindowObject& control, const std::string& utf8);
// The window's text when there is a window, else the stored text.
std::string ControlText(const WindowObject& control);
std::wstring windowTextOf(HWND window);

// The left and top of a window in its parent's client area (screen coordinates for a
// pop-up or a window without parent).
POINT positionInParent(HWND window);
// Moves the control's window to left x (physical pixels), top, size and z-order unchanged,
// not activated; nothing without a window.
void SetControlLeft(const WindowObject& control, int x);

// Paints the parent's background into dc under window, for controls drawn transparent.
void paintParentBackground(HWND window, HDC dc);

// COLORREF, or the system colour of the element for 0xFF000000.
COLORREF colourOr(std::uint32_t colour, int systemElement);

}  // namespace quorvela::win
