#pragma once
// Serves the navigation bar's button and slides a shown page into place.
#include "app/core/object/event_object_pointer.h"
#include "app/win/framework/panel.h"
#include "app/win/framework/super_button.h"

namespace quorvela::win {

class NavigationHandler : public VolClass<NavigationHandler, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::NavigationHandler";

  NavigationHandler();
  NavigationHandler(const NavigationHandler& other) : NavigationHandler() { *this = other; }
  // Copies the page and the button; keeps this handler's own event record.
  NavigationHandler& operator=(const NavigationHandler& other);
  ~NavigationHandler() override;

  // Adopts the navigation bar's button and binds its click.
  std::int32_t BindNavigation();
  void bindMembers();
  void SwitchPage(int pageIndex);

  // The page being slid in: a copy of the last page shown, sharing its window.
  Panel slidingPage;
  SuperButton NavControlCentreButton;

 protected:
  void readMembers(VolStream& stream) override;
  void writeMembers(VolStream& stream) const override;

 private:
  EventRecord events_;
};

std::int32_t NavButtonCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);

}  // namespace quorvela::win
