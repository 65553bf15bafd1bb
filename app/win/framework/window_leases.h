#pragma once
// Windows lent to other threads. The GUI thread lends a window and takes every lease on it
// back when the window is destroyed, so a thread never moves a freed or reused handle.
#include <windows.h>

#include <memory>

#include "app/win/framework/window_lease.h"

namespace quorvela::win {

using qv::win::WindowLease;

// GUI thread only.
std::shared_ptr<WindowLease> leaseWindow(HWND window);
// GUI thread only; the framework calls it on WM_DESTROY of its windows.
void takeBackLeases(HWND window);

}  // namespace quorvela::win
