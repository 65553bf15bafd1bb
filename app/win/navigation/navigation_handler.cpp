#include "app/win/navigation/navigation_handler.h"

#include "app/win/navigation/page_slide_in.h"

namespace quorvela::win {

namespace {
constexpr int kMonitorImage = 501;
constexpr int kControlCentrePage = 0;
}  // namespace

void NavigationHandler::bindMembers() {
  NavControlCentreButton.clickEvent.bind(&NavButtonCallback, events_.record());
  NavControlCentreButton.listenToWindow();
}

std::int32_t NavigationHandler::BindNavigation() {
  if (!links_->navigationButton) return 0;
  Adopt(NavControlCentreButton, *links_->navigationButton);
  bindMembers();
  return 0;
}

void NavigationHandler::SwitchPage(int pageIndex) {
  if (pageIndex != kControlCentrePage) return;
  NavControlCentreButton.setImage(kMonitorImage);
  NavControlCentreButton.setAltImage(0);
  if (links_->controlCentrePage) links_->controlCentrePage->show();
}

void NavigationHandler::PageShown() {
  if (!links_->controlCentrePage) return;
  Adopt(slidingPage, *links_->controlCentrePage);
  SlideInPage(slidingPage);
}

std::int32_t NavButtonCallback(CVolObject* owner, CVolObject* sender, std::int32_t) {
  auto* handler = static_cast<NavigationHandler*>(owner);
  if (sender == &handler->NavControlCentreButton) handler->SwitchPage(kControlCentrePage);
  return 0;
}

}  // namespace quorvela::win
