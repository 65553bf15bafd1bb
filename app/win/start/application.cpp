#include "app/win/start/application.h"

#include "app/win/framework/framework_state.h"
#include "app/win/framework/window_procedure.h"
#include "app/win/start/place_pages.h"

namespace quorvela::win {

Application::Application() {
  PageSet& pages = components.pageSet;
  HandlerSet& handlers = components.handlerSet;
  RunState& state = components.runState;
  ControlCentrePage& page = pages.controlCentrePage;
  pages.navigationBar.setLinks(&handlers.navigationHandler);
  page.setLinks({&handlers.speedGaugeHandler, &handlers.navigationHandler});
  handlers.navigationHandler.setLinks({&pages.navigationBar.NavControlCentreButton, &page});
  handlers.runNowHandler.setLinks({{&state, &*library}, &page, &handlers.speedGaugeHandler.GaugeTimer});
  handlers.targetImageHandler.setLinks({&state, &*library, &page, &handlers.runNowHandler});
  handlers.timedRunHandler.setLinks({&state, &page, &handlers.runNowHandler, nullptr});
  handlers.speedGaugeHandler.setLinks(
      {&state, &page, &handlers.runNowHandler, &handlers.targetImageHandler, &handlers.timedRunHandler});
}

int Application::appStart() {
  library->bind();
  if (CreateFormWindow(mainForm, nullptr)) setMainWindowHandle(windowOf(mainForm));
  PlacePages(mainForm, components.pageSet);
  return 1;
}

}  // namespace quorvela::win
