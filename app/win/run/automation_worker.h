#pragma once
// The automation worker thread: rounds of capture and search until the run ends, the send
// burst after a hit.
#include <windows.h>

#include "app/core/run/run_state.h"
#include "app/core/run/worker_slot.h"

namespace quorvela::win {

struct WorkerContext {
  RunState& state;
  WorkerSlot& slot;
};

// The thread routine; its parameter is the WorkerContext. Exit code 0.
DWORD WINAPI AutomationWorker(void* context);

// Creates the thread and closes its handle at once (it is never joined); false when it
// cannot be created.
bool StartAutomationWorker(WorkerContext& context);

}  // namespace quorvela::win
