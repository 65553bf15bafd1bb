#include "app/win/start/application.h"

#include "app/win/framework/framework_state.h"
#include "app/win/framework/window_procedure.h"
#include "app/win/library_binding/external_function_binder.h"
#include "app/win/start/place_pages.h"

namespace quorvela::win {

int Application::appStart() {
  ExternalFunctionBinder(externalFunctionTable(), boundLibraries());
  if (CreateFormWindow(mainForm, nullptr)) setMainWindowHandle(windowOf(mainForm));
  PlacePages();
  return 1;
}

Application& theApplication() { return static_cast<Application&>(*CVolUserApp::current()); }

}  // namespace quorvela::win
