#pragma once
// The run-now road on the GUI thread: the window search, the ready check and the toggle
// that starts or stops a run.
#include <cstdint>

#include "app/core/run/run_ports.h"
#include "app/core/run/run_state.h"
#include "app/core/run/worker_slot.h"

namespace quorvela {

// Stores a new search's handle (0 too); 1 when found, else logs the error and gives 0.
std::int32_t FindWeChatWindow(RunState& state, RunNowPort& port);

// The window search, then a non-empty target; 1 ready, else 0 with one error line.
std::int32_t CheckReady(RunState& state, RunNowPort& port);

inline constexpr std::int32_t kToggleToldToStop = 1;
inline constexpr std::int32_t kToggleStarted = 2;

// A running run is told to stop (1); otherwise a run starts (2): flags, log line, button,
// one worker, gauge timer.
std::int32_t ToggleRunNow(RunState& state, WorkerSlot& slot, RunNowPort& port);

}  // namespace quorvela
