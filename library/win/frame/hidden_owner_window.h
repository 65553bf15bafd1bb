#pragma once
// HiddenOwnerWindow: a zero-size tool window with an empty title, never shown, made on the
// library's first use on the loading thread to own what the library opens (the clipboard).
#include <windows.h>

namespace pixfarrow::win {

// Null until it is made.
HWND HiddenOwnerWindow();

void CreateHiddenOwnerWindow(HINSTANCE library);

// Destroys it when called on the thread that created it (a window can only be destroyed
// there); elsewhere it is left to end with its thread. Its procedure is DefWindowProcW,
// so a window outliving the library runs none of the library's code.
void DestroyHiddenOwnerWindow();

}  // namespace pixfarrow::win
