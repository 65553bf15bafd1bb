#pragma once
// Serves the speed gauge's timer (the rounds of each second, and the stop after a run) and
// runs the control centre's start hook.
#include <cstdint>
#include <functional>

#include "app/core/event_object_pointer.h"
#include "app/win/framework/timer_control.h"

namespace quorvela::win {

class SpeedGaugeHandler : public VolClass<SpeedGaugeHandler, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::SpeedGaugeHandler";

  SpeedGaugeHandler();
  SpeedGaugeHandler(const SpeedGaugeHandler& other) : SpeedGaugeHandler() { *this = other; }
  // Copies the timer; keeps this handler's own event record.
  SpeedGaugeHandler& operator=(const SpeedGaugeHandler& other);
  ~SpeedGaugeHandler() override;

  // Once, when the control centre has been created: the handlers adopt the page's
  // controls, the stored target image is read, WeChat's window is searched once.
  void StartupHook();
  void bindMembers();
  void SetGaugeValue(std::int32_t value);

  TimerControl GaugeTimer;
  // Draws a value on the gauge; the chart box fills it in once it is there.
  std::function<void(std::int32_t)> gaugeValueShown;

 protected:
  void readMembers(VolStream& stream) override { GaugeTimer.readFromStream(&stream); }
  void writeMembers(VolStream& stream) const override { GaugeTimer.writeToStream(&stream); }

 private:
  EventRecord events_;
};

std::int32_t GaugeTimerTick(CVolObject* owner, CVolObject* sender, std::int32_t extra);

}  // namespace quorvela::win
