#pragma once
// The guard of the start method (and of the message loop): a CVolException or any other
// exception shows the error box under the caption "运行时异常" and ends the process at
// once with exit code -1.
#include <string>

#include "app/core/framework/user_app.h"
#include "app/core/start/start_failure_text.h"

namespace quorvela::win {

[[noreturn]] void endWithStartFailure(const std::string& utf8Text);

template <class Step>
int runGuarded(Step&& step) {
  try {
    return step();
  } catch (const CVolException& error) {
    endWithStartFailure(caughtExceptionText(error));
  } catch (...) {
    endWithStartFailure(std::string(kUnmanagedExceptionText));
  }
}

int GuardedAppStart(CVolUserApp& app);

}  // namespace quorvela::win
