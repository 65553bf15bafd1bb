#pragma once
// Serves the navigation bar's button and slides a shown page into place.
#include <cstdint>
#include <tuple>

#include "app/core/control_centre/control_centre_port.h"
#include "app/core/object/event_owner.h"
#include "app/core/object/members_class.h"
#include "app/core/object/per_object.h"
#include "app/win/framework/panel.h"
#include "app/win/framework/super_button.h"

namespace quorvela::win {

// What the handler works with beyond its own members; given by start-up before any window
// exists.
struct NavigationLinks {
  const SuperButton* navigationButton = nullptr;  // the navigation bar's, to adopt
  Panel* controlCentrePage = nullptr;             // the page it shows and slides in
};

class NavigationHandler : public MembersClass<NavigationHandler, CVolObject>, public ControlCentreShownPort {
 public:
  static constexpr const char* kClassName = "quorvela::win::NavigationHandler";
  static auto members(auto& self) { return std::tie(self.slidingPage, self.NavControlCentreButton); }

  NavigationHandler() { bindMembers(); }

  void setLinks(const NavigationLinks& links) { links_ = links; }
  // Adopts the navigation bar's button and binds its click.
  std::int32_t BindNavigation();
  void bindMembers();
  void SwitchPage(int pageIndex);
  // The control centre was shown: it slides in on a thread of its own.
  void PageShown() override;

  // The page being slid in: a copy of the last page shown, sharing its window.
  Panel slidingPage;
  SuperButton NavControlCentreButton;

 private:
  PerObject<NavigationLinks> links_;
  EventOwner events_{*this};
};

std::int32_t NavButtonCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);

}  // namespace quorvela::win
