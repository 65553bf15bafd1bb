#pragma once
// The narrow strip on the left of the main form: one button that shows the control centre.
#include <tuple>

#include "app/core/object/event_owner.h"
#include "app/core/object/members_class.h"
#include "app/core/object/per_object.h"
#include "app/win/framework/panel.h"
#include "app/win/framework/super_button.h"
#include "app/win/navigation/navigation_handler.h"

namespace quorvela::win {

class NavigationBar : public MembersClass<NavigationBar, Panel> {
 public:
  static constexpr const char* kClassName = "quorvela::win::NavigationBar";
  static auto members(auto& self) { return std::tie(self.NavControlCentreButton); }

  NavigationBar();

  // The handler that adopts the bar's button once the bar has been created; given by
  // start-up before any window exists.
  void setLinks(NavigationHandler* handler) { handler_ = handler; }

  int clientWidth() const override;
  int clientHeight() const override;
  // NavigationBarLayout.
  void layout() override;
  void bindEvents() override;

  SuperButton NavControlCentreButton;

 private:
  friend std::int32_t NavigationBarCreatedCallback(CVolObject*, CVolObject*, std::int32_t);

  PerObject<NavigationHandler*> handler_;
  EventOwner events_{*this, EventOwner::Marking::kLeavesFlags};
};

std::int32_t NavigationBarCreatedCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);

}  // namespace quorvela::win
