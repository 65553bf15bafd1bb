#pragma once
// The process ended at once, wherever its other threads are.
#include <windows.h>

namespace quorvela::win {

// No clean-up of any kind: no static destructor, no library's detach, so nothing is freed
// under an automation worker that is still in its round (inside the library, for one).
[[noreturn]] void EndProcessNow(UINT exitCode);

}  // namespace quorvela::win
