#pragma once
#include "app/win/framework/win_app.h"

namespace quorvela::win {

// Runs until the quit message; its value is the result. Rethrows what a window procedure
// caught while a message was dispatched.
int CVolMainMessageLoop(CVolWinApp& app);

}  // namespace quorvela::win
