#pragma once
// Serves the speed gauge's timer (the rounds of each second, and the stop after a run) and
// runs the control centre's start hook. The handler is the gauge's port (GaugePort), over
// its chart and timer and the run button it is linked to.
#include <cstdint>
#include <string_view>
#include <tuple>

#include "app/core/control_centre/control_centre_port.h"
#include "app/core/gauge/gauge_port.h"
#include "app/core/object/event_owner.h"
#include "app/core/object/members_class.h"
#include "app/core/object/per_object.h"
#include "app/core/run/run_state.h"
#include "app/win/control_centre/control_centre_page.h"
#include "app/win/framework/timer_control.h"
#include "app/win/gauge/speed_gauge_chart.h"
#include "app/win/run/run_now_handler.h"
#include "app/win/target_image/target_image_handler.h"
#include "app/win/timed_run/timed_run_handler.h"

namespace quorvela::win {

// What the handler works with beyond its controls; given by start-up before any window
// exists.
struct SpeedGaugeLinks {
  RunState* state = nullptr;
  const ControlCentrePage* page = nullptr;  // the controls to adopt, the run log
  // The page's other handlers, which the start hook binds; the run button the stop resets.
  RunNowHandler* runNow = nullptr;
  TargetImageHandler* targetImage = nullptr;
  TimedRunHandler* timedRun = nullptr;
};

class SpeedGaugeHandler : public MembersClass<SpeedGaugeHandler, CVolObject>,
                          public GaugePort,
                          public ControlCentreStartPort {
 public:
  static constexpr const char* kClassName = "quorvela::win::SpeedGaugeHandler";
  // Copied whole; the series is not streamed.
  static auto members(auto& self) { return std::tie(self.GaugeTimer, self.gauge.chart); }

  SpeedGaugeHandler() { bindMembers(); }

  void setLinks(const SpeedGaugeLinks& links) { links_ = links; }
  // Once, when the control centre has been created: the handlers adopt the page's
  // controls, the stored target image is read, WeChat's window is searched once.
  void StartupHook() override;
  // The start hook's first steps: the page's chart and timer adopted and bound.
  void BindGauge();
  void bindMembers();

  TimerControl GaugeTimer;
  // SpeedGaugeChart and the gauge series with its one data item.
  SpeedGaugeFeed gauge;

 private:
  friend std::int32_t GaugeTimerTick(CVolObject*, CVolObject*, std::int32_t);

  void setGaugeValue(std::int32_t value) override;
  void setGaugeInterval(int milliseconds) override;
  void appendRunLog(int type, std::string_view text) override;
  void setRunButtonText(std::string_view text) override;
  void setRunButtonImage(int image) override;

  PerObject<SpeedGaugeLinks> links_;
  EventOwner events_{*this};
};

// Ready event of the chart box: the gauge option built and pushed to the page.
std::int32_t GaugeChartReadyCallback(CVolObject* owner, CVolObject* sender, std::int32_t passed, EChartsOption* option);
std::int32_t GaugeTimerTick(CVolObject* owner, CVolObject* sender, std::int32_t extra);

}  // namespace quorvela::win
