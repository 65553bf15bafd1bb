#include "app/win/navigation/navigation_bar.h"

#include "app/core/control_centre/control_centre_design.h"
#include "app/core/framework/ui_scale.h"
#include "app/core/navigation/navigation_bar_design.h"
#include "app/win/framework/window_procedure.h"

namespace quorvela::win {

namespace {
constexpr int kMonitorImage = 501;
}  // namespace

NavigationBar::NavigationBar() : events_(CVolEventObjectPointer::create(this)) {
  background = kSystemColour;
  show();
}

NavigationBar& NavigationBar::operator=(const NavigationBar& other) {
  if (this != &other) {
    Panel::operator=(other);
    NavControlCentreButton = other.NavControlCentreButton;
  }
  return *this;
}

NavigationBar::~NavigationBar() {
  events_->clearOwner();
  events_.reset();
}

int NavigationBar::clientWidth() const { return UiScale::px(navigation_bar::kWidth); }
int NavigationBar::clientHeight() const { return UiScale::px(control_centre::kPageHeight); }

void NavigationBar::bindEvents() {
  createdEvent.bind(&NavigationBarCreatedCallback, events_);
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

void NavigationBar::readMembers(VolStream& stream) {
  Panel::readMembers(stream);
  NavControlCentreButton.readFromStream(&stream);
}

void NavigationBar::writeMembers(VolStream& stream) const {
  Panel::writeMembers(stream);
  NavControlCentreButton.writeToStream(&stream);
}

std::int32_t NavigationBarCreatedCallback(CVolObject* owner, CVolObject*, std::int32_t) {
  if (NavigationHandler* handler = static_cast<NavigationBar*>(owner)->handler_) handler->BindNavigation();
  return 0;
}

}  // namespace quorvela::win
