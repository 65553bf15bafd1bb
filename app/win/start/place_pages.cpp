#include "app/win/start/place_pages.h"

#include "app/win/framework/window_procedure.h"

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

void PlacePages(MainForm& form, PageSet& pages) {
  placeIn(form.navPanel, pages.navigationBar);
  placeIn(form.contentPanel, pages.controlCentrePage);
}

}  // namespace quorvela::win
