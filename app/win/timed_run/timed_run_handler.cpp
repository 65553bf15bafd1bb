#include "app/win/timed_run/timed_run_handler.h"

#include "app/core/run/run_now.h"
#include "app/win/framework/control_window.h"
#include "app/win/run/automation_worker.h"
#include "app/win/run_log/run_log.h"

namespace quorvela::win {

void TimedRunHandler::bindMembers() {
  TimedRunButton.clickEvent.bind(&TimedRunButtonCallback, events_.record());
  TimedRunButton.listenToWindow();
  HourEdit.textChangedEvent.bind(&TimeEditChangedCallback, events_.record());
  HourEdit.listenToWindow();
  MinuteEdit.textChangedEvent.bind(&TimeEditChangedCallback, events_.record());
  MinuteEdit.listenToWindow();
  CountdownTimer.tickEvent.bind(&CountdownTickCallback, events_.record());
  CountdownTimer.listenToWindow();
  SecondEdit.textChangedEvent.bind(&TimeEditChangedCallback, events_.record());
  SecondEdit.listenToWindow();
}

void TimedRunHandler::BindTimedRunHandler() {
  if (!links_->page) return;
  const ControlCentrePage& page = *links_->page;
  Adopt(TimedRunButton, page.TimedRunButton);
  Adopt(HourEdit, page.HourEdit);
  Adopt(MinuteEdit, page.MinuteEdit);
  Adopt(SecondEdit, page.SecondEdit);
  Adopt(CountdownTimer, page.CountdownTimer);
  bindMembers();
}

EditBox& TimedRunHandler::edit(TimeEdit which) {
  switch (which) {
    case TimeEdit::kHour: return HourEdit;
    case TimeEdit::kMinute: return MinuteEdit;
    case TimeEdit::kSecond: break;
  }
  return SecondEdit;
}

std::optional<TimeEdit> TimedRunHandler::entryOf(const CVolObject* sender) const {
  if (sender == &HourEdit) return TimeEdit::kHour;
  if (sender == &MinuteEdit) return TimeEdit::kMinute;
  if (sender == &SecondEdit) return TimeEdit::kSecond;
  return std::nullopt;
}

RunState& TimedRunHandler::runState() { return *links_->state; }

const LocalClock& TimedRunHandler::localClock() { return links_->clock ? *links_->clock : systemClock_; }

std::string TimedRunHandler::editText(TimeEdit which) { return ControlText(edit(which)); }

void TimedRunHandler::setEditText(TimeEdit which, std::string_view text) {
  SetControlText(edit(which), std::string(text));
}

void TimedRunHandler::setButtonText(std::string_view text) { SetControlText(TimedRunButton, std::string(text)); }

void TimedRunHandler::setButtonImage(int resourceId) { TimedRunButton.setImage(resourceId); }

void TimedRunHandler::setTimerInterval(int milliseconds) { CountdownTimer.setInterval(milliseconds); }

void TimedRunHandler::appendRunLog(int type, std::string_view text) {
  AppendRunLog(links_->page->RunLogBox, type, std::string(text));
}

int TimedRunHandler::checkReady() { return CheckReady(*links_->state, *links_->runNow); }

void TimedRunHandler::toggleRunNow() { ToggleRunNow(*links_->state, automationWorkerSlot, *links_->runNow); }

std::int32_t TimedRunButtonCallback(CVolObject* owner, CVolObject* sender, std::int32_t) {
  auto* handler = static_cast<TimedRunHandler*>(owner);
  if (sender == &handler->TimedRunButton && handler->linked()) ToggleTimedRun(*handler, *handler);
  return 0;
}

std::int32_t TimeEditChangedCallback(CVolObject* owner, CVolObject* sender, std::int32_t) {
  auto* handler = static_cast<TimedRunHandler*>(owner);
  if (const auto entry = handler->entryOf(sender); entry && handler->linked()) ValidateTimeEdit(*entry, *handler);
  return 0;
}

std::int32_t CountdownTickCallback(CVolObject* owner, CVolObject* sender, std::int32_t) {
  auto* handler = static_cast<TimedRunHandler*>(owner);
  if (sender == &handler->CountdownTimer && handler->linked()) TimedRunTick(*handler, *handler);
  return 0;
}

}  // namespace quorvela::win
