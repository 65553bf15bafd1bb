#include "app/win/framework/framework_state.h"

#include <utility>

namespace quorvela::win {

namespace {
FrameworkStart start;
HWND mainWindow = nullptr;
std::exception_ptr pending;
}  // namespace

FrameworkStart& frameworkStart() { return start; }

HWND mainWindowHandle() { return mainWindow; }
void setMainWindowHandle(HWND window) { mainWindow = window; }

void keepPendingException(std::exception_ptr error) {
  if (!pending) pending = std::move(error);
}

void rethrowPendingException() {
  if (pending) std::rethrow_exception(std::exchange(pending, nullptr));
}

}  // namespace quorvela::win
