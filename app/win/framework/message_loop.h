#pragma once
#include "app/win/framework/win_app.h"

namespace quorvela::win {

// Runs until the quit message; its value is the result. Rethrows what a window procedure
// caught while a message was dispatched.
int CVolMainMessageLoop(CVolWinApp& app);

// Non-zero when the framework consumed a key or mouse message of a pump outside the main
// loop: it is then neither translated nor dispatched.
bool PreTranslateFrameworkMessage(MSG& message);

}  // namespace quorvela::win
