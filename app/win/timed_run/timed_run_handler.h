#pragma once
// Serves the timed-run button, the three time entries and the countdown timer of the
// control centre; the rules are the portable TimedRun's.
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "app/core/object/event_object_pointer.h"
#include "app/core/timed_run/timed_run.h"
#include "app/win/framework/edit_box.h"
#include "app/win/framework/super_button.h"
#include "app/win/framework/timer_control.h"
#include "app/win/platform/system_clock.h"

namespace quorvela::win {

// What the timed run reaches outside its controls; the program fills it from the
// application object when the page's controls are adopted.
struct TimedRunLinks {
  RunState* runState = nullptr;
  std::function<void(int type, std::string_view text)> appendRunLog;
  std::function<std::int32_t()> checkReady;
  std::function<void()> toggleRunNow;
  const LocalClock* clock = nullptr;  // the system's clock when none is given
};

class TimedRunHandler : public VolClass<TimedRunHandler, CVolObject>, private TimedRunPorts {
 public:
  static constexpr const char* kClassName = "quorvela::win::TimedRunHandler";

  TimedRunHandler();
  TimedRunHandler(const TimedRunHandler& other) : TimedRunHandler() { *this = other; }
  // Copies the controls, the saved texts and the target; keeps this handler's own event
  // record and links.
  TimedRunHandler& operator=(const TimedRunHandler& other);
  ~TimedRunHandler() override;

  // Adopts the control centre's controls and binds their events; the links come from the
  // application object.
  void BindTimedRunHandler();
  // The same for given controls and links.
  void adopt(const SuperButton& button, const EditBox& hour, const EditBox& minute, const EditBox& second,
             const TimerControl& timer, TimedRunLinks links);
  // In this order: button click, hour, minute, timer tick, second.
  void bindMembers();

 private:
  // Built before the rules, which keep a reference to it.
  SystemClock systemClock_;

 public:
  SuperButton TimedRunButton;
  EditBox HourEdit;
  EditBox MinuteEdit;
  EditBox SecondEdit;
  TimerControl CountdownTimer;
  TimedRun rules{*this, systemClock_};

 protected:
  void readMembers(VolStream& stream) override;
  void writeMembers(VolStream& stream) const override;

 private:
  friend std::int32_t TimeEditChangedCallback(CVolObject*, CVolObject*, std::int32_t);

  EditBox& edit(TimeEdit which);
  // Which entry an event came from; nothing for another sender.
  std::optional<TimeEdit> entryOf(const CVolObject* sender) const;

  RunState& runState() override;
  std::string editText(TimeEdit which) override;
  void setEditText(TimeEdit which, std::string_view text) override;
  void setButtonText(std::string_view text) override;
  void setButtonImage(int resourceId) override;
  void setTimerInterval(int milliseconds) override;
  void appendRunLog(int type, std::string_view text) override;
  int checkReady() override;
  void toggleRunNow() override;

  TimedRunLinks links_;
  EventRecord events_;
};

std::int32_t TimedRunButtonCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);
std::int32_t TimeEditChangedCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);
std::int32_t CountdownTickCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);

}  // namespace quorvela::win
