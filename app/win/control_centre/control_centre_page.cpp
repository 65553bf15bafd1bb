#include "app/win/control_centre/control_centre_page.h"

#include "app/core/control_centre/control_centre_design.h"
#include "app/core/framework/ui_scale.h"

namespace quorvela::win {

ControlCentrePage::ControlCentrePage() {
  background = 0xFFFFFF;
  show();
}

int ControlCentrePage::clientWidth() const { return UiScale::px(control_centre::kPageWidth); }
int ControlCentrePage::clientHeight() const { return UiScale::px(control_centre::kPageHeight); }

void ControlCentrePage::bindEvents() {
  shownEvent.bind(&PageShownCallback, events_.record());
  listenToWindow();
  createdEvent.bind(&ControlCentreCreatedCallback, events_.record());
  listenToWindow();
}

std::int32_t ControlCentreCreatedCallback(CVolObject* owner, CVolObject*, std::int32_t) {
  if (ControlCentreStartPort* start = static_cast<ControlCentrePage*>(owner)->links_->start) start->StartupHook();
  return 0;
}

std::int32_t PageShownCallback(CVolObject* owner, CVolObject*, std::int32_t) {
  if (ControlCentreShownPort* shown = static_cast<ControlCentrePage*>(owner)->links_->shown) shown->PageShown();
  return 0;
}

}  // namespace quorvela::win
