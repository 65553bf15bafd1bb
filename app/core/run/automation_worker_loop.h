#pragma once
// The automation worker's rounds: capture, search, and on the first hit the send burst.
#include "app/core/run/run_ports.h"
#include "app/core/run/run_state.h"
#include "app/core/run/worker_slot.h"

namespace quorvela {

// Runs rounds back to back while state.running is 1, then leaves the slot; returns when
// the worker may end. The caller holds the slot on entry. Throws nothing: an exception
// from calls ends the run (running cleared) as a stop would.
void RunAutomationWorker(RunState& state, WorkerSlot& slot, WorkerCalls& calls);

}  // namespace quorvela
