#pragma once
// What the framework records at start-up, and an exception caught in a window procedure
// on its way to the code that started the message.
#include <windows.h>

#include <exception>

namespace quorvela::win {

struct FrameworkStart {
  HINSTANCE instance = nullptr;
  DWORD mainThreadId = 0;
};

FrameworkStart& frameworkStart();

// The main form's window; WM_DESTROY of this window posts the quit message.
HWND mainWindowHandle();
void setMainWindowHandle(HWND window);

// No exception crosses a window procedure: the first one is kept and rethrown by the
// framework once the message has been handled (after creation, after each dispatch).
void keepPendingException(std::exception_ptr error);
void rethrowPendingException();

}  // namespace quorvela::win
