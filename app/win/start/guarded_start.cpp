#include "app/win/start/guarded_start.h"

#include <windows.h>

#include "app/win/platform/end_process.h"
#include "app/win/platform/wide_text.h"

namespace quorvela::win {

void endWithStartFailure(const std::string& utf8Text) {
  MessageBoxW(nullptr, widen(utf8Text).c_str(), widen(kStartFailureCaption).c_str(), MB_OK | MB_ICONERROR);
  // Also reached from the message loop, with a worker in its round: nothing may be freed.
  EndProcessNow(static_cast<UINT>(-1));
}

int GuardedAppStart(CVolUserApp& app) {
  return runGuarded([&] { return app.appStart(); });
}

}  // namespace quorvela::win
