#include "app/win/platform/end_process.h"

namespace quorvela::win {

void EndProcessNow(UINT exitCode) {
  // Not ExitProcess: it stops the other threads wherever they are, then runs every
  // library's detach, which can wait for good on a lock a stopped thread held.
  TerminateProcess(GetCurrentProcess(), exitCode);
  ExitProcess(exitCode);
}

}  // namespace quorvela::win
