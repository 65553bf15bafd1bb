#include "app/win/framework/message_loop.h"

#include "app/win/framework/framework_state.h"

namespace quorvela::win {

int CVolMainMessageLoop(CVolWinApp& app) {
  MSG message{};
  for (;;) {
    while (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!app.onIdle()) break;
    }
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return -1;
    if (!app.preTranslateMessage(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    rethrowPendingException();
  }
}

bool PreTranslateFrameworkMessage(MSG& message) {
  auto* app = dynamic_cast<CVolWinApp*>(CVolUserApp::current());
  return app && app->preTranslateMessage(message);
}

}  // namespace quorvela::win
