#include "app/win/gauge/speed_gauge_handler.h"

#include "app/win/start/application.h"
#include "app/win/start/program_run.h"
#include "app/win/start/startup_steps.h"
#include "app/win/target_image/target_image_file.h"

namespace quorvela::win {

SpeedGaugeHandler::SpeedGaugeHandler() : events_(CVolEventObjectPointer::create(this)) { bindMembers(); }

SpeedGaugeHandler& SpeedGaugeHandler::operator=(const SpeedGaugeHandler& other) {
  if (this != &other) {
    CVolObject::operator=(other);
    GaugeTimer = other.GaugeTimer;
    gauge.chart = other.gauge.chart;
    gauge.series = other.gauge.series;
  }
  return *this;
}

SpeedGaugeHandler::~SpeedGaugeHandler() {
  flags |= kDestroying;
  events_->clearOwner();
  events_.reset();
}

void SpeedGaugeHandler::bindMembers() {
  gauge.chart.readyEvent.bind(&GaugeChartReadyCallback, events_);
  gauge.chart.listenToWindow();
  GaugeTimer.tickEvent.bind(&GaugeTimerTick, events_);
  GaugeTimer.listenToWindow();
}

void SpeedGaugeHandler::StartupHook() {
  AppComponents& components = theApplication().components;
  ControlCentrePage& page = components.pageSet.controlCentrePage;
  gauge.chart.releaseBeforeAssign();
  gauge.chart = page.SpeedGaugeChart;
  GaugeTimer.releaseBeforeAssign();
  GaugeTimer = page.GaugeTimer;
  bindMembers();
  LoadTargetImageFile(components.runState);
  BindTargetImageHandler(components.handlerSet.targetImageHandler);
  components.handlerSet.runNowHandler.BindRunNow();
  BindTimedRunHandlerAtStartup();
}

std::int32_t GaugeTimerTick(CVolObject* owner, CVolObject* sender, std::int32_t) {
  auto* handler = static_cast<SpeedGaugeHandler*>(owner);
  if (sender == &handler->GaugeTimer) programRunRoad().GaugeTimerTick();
  return 0;
}

}  // namespace quorvela::win
