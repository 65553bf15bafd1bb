#include "app/win/start/place_pages.h"

#include "app/win/framework/window_procedure.h"
#include "app/win/start/application.h"

namespace quorvela::win {

namespace {

constexpr int kPageControlId = 0xFFFF;

void placeIn(Panel& panel, Panel& page) {
  HWND window = windowOf(panel);
  RECT frame{};
  if (window) GetWindowRect(window, &frame);
  const int height = frame.bottom - frame.top;
  const int width = frame.right - frame.left;
  page.create({window, window ? &panel : nullptr, 0, 0, width, height, kPageControlId, ""});
}

}  // namespace

void PlacePages() {
  Application& app = theApplication();
  placeIn(app.mainForm.navPanel, app.components.pageSet.navigationBar);
  placeIn(app.mainForm.contentPanel, app.components.pageSet.controlCentrePage);
}

}  // namespace quorvela::win
