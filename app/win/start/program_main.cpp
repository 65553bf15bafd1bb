#include "app/win/start/program_main.h"

#include <commctrl.h>
#include <objbase.h>

#include <new>

#include "app/core/framework/ui_scale.h"
#include "app/win/framework/framework_state.h"
#include "app/win/framework/message_loop.h"
#include "app/win/framework/win_app.h"
#include "app/win/platform/display_scale.h"
#include "app/win/platform/end_process.h"
#include "app/win/start/guarded_start.h"

namespace quorvela::win {

namespace {

// No memory for a new object or buffer: the process ends at once, without a message.
void endWithoutMemory() { EndProcessNow(static_cast<UINT>(-1)); }

}  // namespace

void ExitProgramNow() { EndProcessNow(0); }

int ProgramMain(HINSTANCE instance, const ClassInfo& applicationClass) {
  std::set_new_handler(&endWithoutMemory);

  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = 0xFF;
  InitCommonControlsEx(&controls);

  frameworkStart().instance = instance;
  frameworkStart().mainThreadId = GetCurrentThreadId();

  const bool comReady = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));

  requestPerMonitorDpiAwareness();
  UiScale::setCurrent(UiScale::fromDpi(desktopDpi()));

  auto application = applicationClass.factory();
  auto* app = dynamic_cast<CVolWinApp*>(application.get());
  if (!application->isKindOf(CVolUserApp::staticClassInfo()) || !app) {
    application.reset();
    return -1;
  }

  int exitCode = 0;
  if (GuardedAppStart(*app) == 0) {
    exitCode = -1;
  } else if (mainWindowHandle()) {
    // A quit message (any process may post one) ends the program as closing its form does:
    // at once, with the message's code, while a worker may still be in its round.
    EndProcessNow(static_cast<UINT>(runGuarded([&] { return CVolMainMessageLoop(*app); })));
  }

  // Without a main window no run can have started. The tree goes, then the library.
  application.reset();
  if (comReady) CoUninitialize();
  return exitCode;
}

}  // namespace quorvela::win
