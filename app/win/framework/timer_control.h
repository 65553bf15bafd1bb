#pragma once
// A timer on a hidden window of the GUI thread (timer id 1000); each period raises
// tickEvent on that thread.
#include "app/core/framework/window_object.h"
#include "app/win/framework/panel.h"

namespace quorvela::win {

class TimerControl : public VolClass<TimerControl, WindowObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::TimerControl";
  static constexpr UINT_PTR kTimerId = 1000;

  bool create(const ControlPlacement& placement);
  bool onMessage(WindowMessage& message) override;

  // Milliseconds between ticks; 0 stops the timer.
  void setInterval(int milliseconds);
  int interval() const { return interval_; }

  EventSlot<> tickEvent;

 private:
  void apply();

  int interval_ = 0;
};

}  // namespace quorvela::win
