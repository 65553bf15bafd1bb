#include "app/win/timed_run/timed_run_handler.h"

#include "app/core/run/run_state.h"
#include "app/win/framework/control_window.h"
#include "app/win/run_log/run_log.h"
#include "app/win/start/application.h"
#include "app/win/start/program_run.h"

namespace quorvela::win {

TimedRunHandler::TimedRunHandler() : events_(CVolEventObjectPointer::create(this)) { bindMembers(); }

TimedRunHandler& TimedRunHandler::operator=(const TimedRunHandler& other) {
  if (this != &other) {
    CVolObject::operator=(other);
    TimedRunButton = other.TimedRunButton;
    HourEdit = other.HourEdit;
    MinuteEdit = other.MinuteEdit;
    SecondEdit = other.SecondEdit;
    CountdownTimer = other.CountdownTimer;
    rules = other.rules;
  }
  return *this;
}

TimedRunHandler::~TimedRunHandler() {
  flags |= kDestroying;
  events_->clearOwner();
  events_.reset();
}

void TimedRunHandler::bindMembers() {
  TimedRunButton.clickEvent.bind(&TimedRunButtonCallback, events_);
  TimedRunButton.listenToWindow();
  HourEdit.textChangedEvent.bind(&TimeEditChangedCallback, events_);
  HourEdit.listenToWindow();
  MinuteEdit.textChangedEvent.bind(&TimeEditChangedCallback, events_);
  MinuteEdit.listenToWindow();
  CountdownTimer.tickEvent.bind(&CountdownTickCallback, events_);
  CountdownTimer.listenToWindow();
  SecondEdit.textChangedEvent.bind(&TimeEditChangedCallback, events_);
  SecondEdit.listenToWindow();
}

void TimedRunHandler::adopt(const SuperButton& button, const EditBox& hour, const EditBox& minute,
                            const EditBox& second, const TimerControl& timer, TimedRunLinks links) {
  links_ = std::move(links);
  rules.useClock(links_.clock ? *links_.clock : systemClock_);
  const auto take = [](auto& copy, const auto& control) {
    copy.releaseBeforeAssign();
    copy = control;
  };
  take(TimedRunButton, button);
  take(HourEdit, hour);
  take(MinuteEdit, minute);
  take(SecondEdit, second);
  take(CountdownTimer, timer);
  bindMembers();
}

void TimedRunHandler::BindTimedRunHandler() {
  Application& app = theApplication();
  const ControlCentrePage& page = app.components.pageSet.controlCentrePage;
  TimedRunLinks links;
  links.runState = &app.components.runState;
  links.appendRunLog = [](int type, std::string_view text) { AppendRunLog(type, std::string(text)); };
  links.checkReady = [] { return CheckReady(); };
  links.toggleRunNow = [] { ToggleRunNow(); };
  adopt(page.TimedRunButton, page.HourEdit, page.MinuteEdit, page.SecondEdit, page.CountdownTimer,
        std::move(links));
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

RunState& TimedRunHandler::runState() {
  // Nothing calls in before adoption; a detached record keeps a stray call harmless.
  static RunState detached;
  return links_.runState ? *links_.runState : detached;
}

std::string TimedRunHandler::editText(TimeEdit which) { return ControlText(edit(which)); }

void TimedRunHandler::setEditText(TimeEdit which, std::string_view text) {
  SetControlText(edit(which), std::string(text));
}

void TimedRunHandler::setButtonText(std::string_view text) { SetControlText(TimedRunButton, std::string(text)); }

void TimedRunHandler::setButtonImage(int resourceId) { TimedRunButton.setImage(resourceId); }

void TimedRunHandler::setTimerInterval(int milliseconds) { CountdownTimer.setInterval(milliseconds); }

void TimedRunHandler::appendRunLog(int type, std::string_view text) {
  if (links_.appendRunLog) links_.appendRunLog(type, text);
}

int TimedRunHandler::checkReady() { return links_.checkReady ? links_.checkReady() : 0; }

void TimedRunHandler::toggleRunNow() {
  if (links_.toggleRunNow) links_.toggleRunNow();
}

void TimedRunHandler::readMembers(VolStream& stream) {
  TimedRunButton.readFromStream(&stream);
  HourEdit.readFromStream(&stream);
  MinuteEdit.readFromStream(&stream);
  SecondEdit.readFromStream(&stream);
  CountdownTimer.readFromStream(&stream);
  rules.readMembers(stream);
}

void TimedRunHandler::writeMembers(VolStream& stream) const {
  TimedRunButton.writeToStream(&stream);
  HourEdit.writeToStream(&stream);
  MinuteEdit.writeToStream(&stream);
  SecondEdit.writeToStream(&stream);
  CountdownTimer.writeToStream(&stream);
  rules.writeMembers(stream);
}

std::int32_t TimedRunButtonCallback(CVolObject* owner, CVolObject* sender, std::int32_t) {
  auto* handler = static_cast<TimedRunHandler*>(owner);
  if (sender == &handler->TimedRunButton) handler->rules.toggleTimedRun();
  return 0;
}

std::int32_t TimeEditChangedCallback(CVolObject* owner, CVolObject* sender, std::int32_t) {
  auto* handler = static_cast<TimedRunHandler*>(owner);
  if (const auto entry = handler->entryOf(sender)) handler->rules.validateTimeEdit(*entry);
  return 0;
}

std::int32_t CountdownTickCallback(CVolObject* owner, CVolObject* sender, std::int32_t) {
  auto* handler = static_cast<TimedRunHandler*>(owner);
  if (sender == &handler->CountdownTimer) handler->rules.timedRunTick();
  return 0;
}

}  // namespace quorvela::win
