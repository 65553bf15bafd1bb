#pragma once
// Making the chat window active and foreground before input is posted to it.
#include <windows.h>

namespace pixfarrow::win {

// Attaches to the window's thread input, makes it the active window, detaches.
void ActivateWindow(HWND window);

// SetForegroundWindow; the result is not used.
void BringToForeground(HWND window);

}  // namespace pixfarrow::win
