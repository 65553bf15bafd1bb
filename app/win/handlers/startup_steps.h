#pragma once
// The start hook's steps that belong to the page's other handlers: the stored target image
// with the first window search, and the timed run.
#include "app/core/run_state.h"

namespace quorvela::win {

// "目标图.bmp" in the program's folder, whole, into the target; a missing or unreadable
// file leaves it empty.
void LoadStartupTargetImage(RunState& state);
// The first search for WeChat's window, and its line in the run log.
void BindTargetImageHandlerAtStartup(RunState& state);
// The timed run's controls.
void BindTimedRunHandlerAtStartup();

}  // namespace quorvela::win
