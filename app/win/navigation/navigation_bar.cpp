#include "app/win/navigation/navigation_bar.h"

#include "app/core/control_centre/control_centre_design.h"
#include "app/core/framework/ui_scale.h"
#include "app/core/navigation/navigation_bar_design.h"
#include "app/win/framework/window_procedure.h"

namespace quorvela::win {

namespace {
constexpr int kMonitorImage = 501;
}  // namespace

NavigationBar::NavigationBar() {
  background = kSystemColour;
  show();
}

int NavigationBar::clientWidth() const { return UiScale::px(navigation_bar::kWidth); }
int NavigationBar::clientHeight() const { return UiScale::px(control_centre::kPageHeight); }

void NavigationBar::bindEvents() {
  createdEvent.bind(&NavigationBarCreatedCallback, events_.record());
  listenToWindow();
}

void NavigationBar::layout() {
  bindEvents();
  SuperButton& button = NavControlCentreButton;
  button.setImage(kMonitorImage);
  button.setTipText("主程序界面");
  // The cursor shape over the button is refreshed by putting the cursor where it is.
  POINT cursor{};
  if (GetCursorPos(&cursor)) SetCursorPos(cursor.x, cursor.y);
  const auto& place = navigation_bar::kControlCentreButton;
  button.create({windowOf(*this), this, UiScale::px(place.left), UiScale::px(place.top), UiScale::px(place.width),
                 UiScale::px(place.height), navigation_bar::kControlCentreButtonId, ""});
}

std::int32_t NavigationBarCreatedCallback(CVolObject* owner, CVolObject*, std::int32_t) {
  if (NavigationHandler* handler = *static_cast<NavigationBar*>(owner)->handler_) handler->BindNavigation();
  return 0;
}

}  // namespace quorvela::win
