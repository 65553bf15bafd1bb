#pragma once
#include <windows.h>

#include "app/core/object/class_info.h"

namespace quorvela::win {

// The program's entry after the runtime's start-up: common controls, COM, DPI and UiScale,
// the application object from its class's factory, its guarded start, the message loop.
// The result is the process exit code.
int ProgramMain(HINSTANCE instance, const ClassInfo& applicationClass);

// Ends the process at once with exit code 0, without any clean-up (EndProcessNow).
[[noreturn]] void ExitProgramNow();

}  // namespace quorvela::win
