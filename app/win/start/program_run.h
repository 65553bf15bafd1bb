#pragma once
// The program's run road: the application's run state, its worker, the control centre's
// run button, gauge timer and run log. GUI thread.
#include <cstdint>

#include "app/win/run/run_road.h"

namespace quorvela::win {

RunRoad& programRunRoad();

// A new search for WeChat's window into the run state; 1 found, else 0 with its error line.
std::int32_t FindWeChatWindow();
// The window search, then a non-empty target; 1 ready, else 0 with one error line.
std::int32_t CheckReady();
// 1: a running run was told to stop; 2: a run was started.
std::int32_t ToggleRunNow();
// Replaces the run state's screenshot by a capture of its window.
void CaptureWeChatWindow();

}  // namespace quorvela::win
