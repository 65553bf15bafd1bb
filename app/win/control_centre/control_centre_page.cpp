#include "app/win/control_centre/control_centre_page.h"

#include "app/core/control_centre/control_centre_design.h"
#include "app/core/framework/ui_scale.h"

namespace quorvela::win {

ControlCentrePage::ControlCentrePage() : events_(CVolEventObjectPointer::create(this)) {
  background = 0xFFFFFF;
  show();
}

ControlCentrePage& ControlCentrePage::operator=(const ControlCentrePage& other) {
  if (this != &other) {
    Panel::operator=(other);
    const auto mine = controlsInIdOrder();
    const auto theirs = other.controlsInIdOrder();
    for (std::size_t i = 0; i < kControlCount; ++i) mine[i]->assignFrom(*theirs[i]);
  }
  return *this;
}

ControlCentrePage::~ControlCentrePage() {
  events_->clearOwner();
  events_.reset();
}

std::array<WindowObject*, ControlCentrePage::kControlCount> ControlCentrePage::controlsInIdOrder() {
  return {&TopPanel,          &RunNowButton,      &TimedRunButton,     &TargetPreview,   &CaptureTargetButton,
          &TestFindButton,    &TestSendButton,    &HourEdit,           &HourUnitLabel,   &MinuteEdit,
          &MinuteUnitLabel,   &TimerCaptionLabel, &TimerHelpLabel,     &CountdownTimer,  &SecondEdit,
          &SecondUnitLabel,   &SpeedGaugeGroup,   &GaugeTimer,         &SpeedGaugeChart, &RunLogGroup,
          &ErrorSwatch,       &ErrorSwatchLabel,  &WarningSwatch,      &WarningSwatchLabel, &InfoSwatch,
          &InfoSwatchLabel,   &RunLogBox};
}

std::array<const WindowObject*, ControlCentrePage::kControlCount> ControlCentrePage::controlsInIdOrder() const {
  const auto controls = const_cast<ControlCentrePage*>(this)->controlsInIdOrder();
  std::array<const WindowObject*, kControlCount> result{};
  for (std::size_t i = 0; i < kControlCount; ++i) result[i] = controls[i];
  return result;
}

int ControlCentrePage::clientWidth() const { return UiScale::px(control_centre::kPageWidth); }
int ControlCentrePage::clientHeight() const { return UiScale::px(control_centre::kPageHeight); }

void ControlCentrePage::bindEvents() {
  shownEvent.bind(&PageShownCallback, events_);
  listenToWindow();
  createdEvent.bind(&ControlCentreCreatedCallback, events_);
  listenToWindow();
}

void ControlCentrePage::readMembers(VolStream& stream) {
  Panel::readMembers(stream);
  for (WindowObject* control : controlsInIdOrder()) control->readFromStream(&stream);
}

void ControlCentrePage::writeMembers(VolStream& stream) const {
  Panel::writeMembers(stream);
  for (const WindowObject* control : controlsInIdOrder()) control->writeToStream(&stream);
}

std::int32_t ControlCentreCreatedCallback(CVolObject* owner, CVolObject*, std::int32_t) {
  if (ControlCentreStartPort* start = static_cast<ControlCentrePage*>(owner)->links_.start) start->StartupHook();
  return 0;
}

std::int32_t PageShownCallback(CVolObject* owner, CVolObject*, std::int32_t) {
  if (ControlCentreShownPort* shown = static_cast<ControlCentrePage*>(owner)->links_.shown) shown->PageShown();
  return 0;
}

}  // namespace quorvela::win
