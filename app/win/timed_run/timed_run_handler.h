#pragma once
// Serves the timed-run button, the three time entries and the countdown timer of the
// control centre. The rules are the portable timed run's; the handler is its port
// (TimedRunPort), over its own controls and its links.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "app/core/framework/local_clock.h"
#include "app/core/object/event_owner.h"
#include "app/core/object/members_class.h"
#include "app/core/object/per_object.h"
#include "app/core/run/run_ports.h"
#include "app/core/run/run_state.h"
#include "app/core/timed_run/timed_run.h"
#include "app/win/control_centre/control_centre_page.h"
#include "app/win/framework/edit_box.h"
#include "app/win/framework/super_button.h"
#include "app/win/framework/timer_control.h"
#include "app/win/platform/system_clock.h"

namespace quorvela::win {

// What the handler works with beyond its controls; given by start-up before any window
// exists.
struct TimedRunLinks {
  RunState* state = nullptr;
  const ControlCentrePage* page = nullptr;  // the controls to adopt, the run log
  RunNowPort* runNow = nullptr;             // the run road's ready check and toggle
  const LocalClock* clock = nullptr;        // the system's clock when none is given
};

class TimedRunHandler : public MembersClass<TimedRunHandler, CVolObject>, public TimedRunValues, public TimedRunPort {
 public:
  static constexpr const char* kClassName = "quorvela::win::TimedRunHandler";
  // The controls, then the saved texts and the target.
  static auto members(auto& self) {
    return std::tie(self.TimedRunButton, self.HourEdit, self.MinuteEdit, self.SecondEdit, self.CountdownTimer,
                    self.values());
  }

  TimedRunHandler() { bindMembers(); }

  void setLinks(const TimedRunLinks& links) { links_ = links; }
  // Adopts the control centre's controls and binds their events.
  void BindTimedRunHandler();
  // In this order: button click, hour, minute, timer tick, second.
  void bindMembers();

  SuperButton TimedRunButton;
  EditBox HourEdit;
  EditBox MinuteEdit;
  EditBox SecondEdit;
  TimerControl CountdownTimer;

  TimedRunValues& values() { return *this; }
  const TimedRunValues& values() const { return *this; }

 private:
  friend std::int32_t TimedRunButtonCallback(CVolObject*, CVolObject*, std::int32_t);
  friend std::int32_t TimeEditChangedCallback(CVolObject*, CVolObject*, std::int32_t);
  friend std::int32_t CountdownTickCallback(CVolObject*, CVolObject*, std::int32_t);

  bool linked() const { return links_->state != nullptr; }
  EditBox& edit(TimeEdit which);
  // Which entry an event came from; nothing for another sender.
  std::optional<TimeEdit> entryOf(const CVolObject* sender) const;

  RunState& runState() override;
  const LocalClock& localClock() override;
  std::string editText(TimeEdit which) override;
  void setEditText(TimeEdit which, std::string_view text) override;
  void setButtonText(std::string_view text) override;
  void setButtonImage(int resourceId) override;
  void setTimerInterval(int milliseconds) override;
  void appendRunLog(int type, std::string_view text) override;
  int checkReady() override;
  void toggleRunNow() override;

  SystemClock systemClock_;
  PerObject<TimedRunLinks> links_;
  EventOwner events_{*this};
};

std::int32_t TimedRunButtonCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);
std::int32_t TimeEditChangedCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);
std::int32_t CountdownTickCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);

}  // namespace quorvela::win
