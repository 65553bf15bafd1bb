#include "app/win/framework/guarded_start.h"

#include <windows.h>

#include <cstdlib>

#include "app/win/framework/wide_text.h"

namespace quorvela::win {

void endWithStartFailure(const std::string& utf8Text) {
  MessageBoxW(nullptr, widen(utf8Text).c_str(), widen(kStartFailureCaption).c_str(), MB_OK | MB_ICONERROR);
  std::exit(-1);
}

int GuardedAppStart(CVolUserApp& app) {
  return runGuarded([&] { return app.appStart(); });
}

}  // namespace quorvela::win
