#pragma once
// The start hook's steps that belong to the page's other handlers: the timed run.

namespace quorvela::win {

// The timed run's controls.
void BindTimedRunHandlerAtStartup();

}  // namespace quorvela::win
