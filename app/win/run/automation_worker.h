#pragma once
// The automation worker thread: rounds of capture and search until the run ends, the send
// burst after a hit.
#include <windows.h>

#include "app/core/run/run_state.h"
#include "app/core/run/worker_slot.h"
#include "app/win/library_binding/bound_library.h"

namespace quorvela::win {

// One worker at a time, for the process's life: a worker may still be in its round or its
// send burst when the object tree is gone.
inline constinit WorkerSlot automationWorkerSlot;

// What a worker works with: the run state and the library, both living as long as the
// object tree.
struct WorkerContext {
  RunState* state = nullptr;
  const BoundLibrary* library = nullptr;
};

// The thread routine; its parameter is a WorkerContext. Exit code 0.
DWORD WINAPI AutomationWorker(void* context);

}  // namespace quorvela::win
