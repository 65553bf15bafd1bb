#pragma once
// The narrow strip on the left of the main form: one button that shows the control centre.
#include "app/core/object/event_object_pointer.h"
#include "app/win/framework/panel.h"
#include "app/win/framework/super_button.h"
#include "app/win/navigation/navigation_handler.h"

namespace quorvela::win {

class NavigationBar : public VolClass<NavigationBar, Panel> {
 public:
  static constexpr const char* kClassName = "quorvela::win::NavigationBar";

  NavigationBar();
  NavigationBar(const NavigationBar& other) : NavigationBar() { *this = other; }
  // Copies the container and the button; keeps this page's own event record.
  NavigationBar& operator=(const NavigationBar& other);
  ~NavigationBar() override;

  // The handler that adopts the bar's button once the bar has been created; given by
  // start-up before any window exists.
  void setLinks(NavigationHandler* handler) { handler_ = handler; }

  int clientWidth() const override;
  int clientHeight() const override;
  // NavigationBarLayout.
  void layout() override;
  void bindEvents() override;

  SuperButton NavControlCentreButton;

 protected:
  void readMembers(VolStream& stream) override;
  void writeMembers(VolStream& stream) const override;

 private:
  friend std::int32_t NavigationBarCreatedCallback(CVolObject*, CVolObject*, std::int32_t);

  NavigationHandler* handler_ = nullptr;
  EventRecord events_;
};

std::int32_t NavigationBarCreatedCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);

}  // namespace quorvela::win
