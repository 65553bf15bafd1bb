#include "app/win/navigation/navigation_handler.h"

#include "app/win/navigation/page_slide_in.h"

namespace quorvela::win {

namespace {
constexpr int kMonitorImage = 501;
constexpr int kControlCentrePage = 0;
}  // namespace

NavigationHandler::NavigationHandler() : events_(CVolEventObjectPointer::create(this)) { bindMembers(); }

NavigationHandler& NavigationHandler::operator=(const NavigationHandler& other) {
  if (this != &other) {
    CVolObject::operator=(other);
    slidingPage = other.slidingPage;
    NavControlCentreButton = other.NavControlCentreButton;
  }
  return *this;
}

NavigationHandler::~NavigationHandler() {
  flags |= kDestroying;
  events_->clearOwner();
  events_.reset();
}

void NavigationHandler::bindMembers() {
  NavControlCentreButton.clickEvent.bind(&NavButtonCallback, events_);
  NavControlCentreButton.listenToWindow();
}

std::int32_t NavigationHandler::BindNavigation() {
  if (!links_.navigationButton) return 0;
  NavControlCentreButton.releaseBeforeAssign();
  NavControlCentreButton = *links_.navigationButton;
  bindMembers();
  return 0;
}

void NavigationHandler::SwitchPage(int pageIndex) {
  if (pageIndex != kControlCentrePage) return;
  NavControlCentreButton.setImage(kMonitorImage);
  NavControlCentreButton.setAltImage(0);
  if (links_.controlCentrePage) links_.controlCentrePage->show();
}

void NavigationHandler::PageShown() {
  if (!links_.controlCentrePage) return;
  slidingPage.releaseBeforeAssign();
  slidingPage = *links_.controlCentrePage;
  SlideInPage(slidingPage);
}

void NavigationHandler::readMembers(VolStream& stream) {
  slidingPage.readFromStream(&stream);
  NavControlCentreButton.readFromStream(&stream);
}

void NavigationHandler::writeMembers(VolStream& stream) const {
  slidingPage.writeToStream(&stream);
  NavControlCentreButton.writeToStream(&stream);
}

std::int32_t NavButtonCallback(CVolObject* owner, CVolObject* sender, std::int32_t) {
  auto* handler = static_cast<NavigationHandler*>(owner);
  if (sender == &handler->NavControlCentreButton) handler->SwitchPage(kControlCentrePage);
  return 0;
}

}  // namespace quorvela::win
