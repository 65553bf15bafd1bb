#pragma once
// Serves the speed gauge's timer (the rounds of each second, and the stop after a run) and
// runs the control centre's start hook.
#include <cstdint>

#include "app/core/object/event_object_pointer.h"
#include "app/win/framework/timer_control.h"
#include "app/win/gauge/speed_gauge_chart.h"

namespace quorvela::win {

class SpeedGaugeHandler : public VolClass<SpeedGaugeHandler, CVolObject>, public SpeedGaugeFeedOwner {
 public:
  static constexpr const char* kClassName = "quorvela::win::SpeedGaugeHandler";

  SpeedGaugeHandler();
  SpeedGaugeHandler(const SpeedGaugeHandler& other) : SpeedGaugeHandler() { *this = other; }
  // Copies the timer, the chart and the gauge's series; keeps this handler's own event
  // record.
  SpeedGaugeHandler& operator=(const SpeedGaugeHandler& other);
  ~SpeedGaugeHandler() override;

  // Once, when the control centre has been created: the handlers adopt the page's
  // controls, the stored target image is read, WeChat's window is searched once.
  void StartupHook();
  void bindMembers();
  void SetGaugeValue(std::int32_t value) { quorvela::win::SetGaugeValue(gauge, value); }
  SpeedGaugeFeed& speedGaugeFeed() override { return gauge; }

  TimerControl GaugeTimer;
  // SpeedGaugeChart and the gauge series with its one data item.
  SpeedGaugeFeed gauge;

 protected:
  void readMembers(VolStream& stream) override {
    GaugeTimer.readFromStream(&stream);
    gauge.chart.readFromStream(&stream);
  }
  void writeMembers(VolStream& stream) const override {
    GaugeTimer.writeToStream(&stream);
    gauge.chart.writeToStream(&stream);
  }

 private:
  EventRecord events_;
};

std::int32_t GaugeTimerTick(CVolObject* owner, CVolObject* sender, std::int32_t extra);

}  // namespace quorvela::win
