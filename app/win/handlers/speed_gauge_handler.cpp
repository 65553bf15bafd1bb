#include "app/win/handlers/speed_gauge_handler.h"

#include "app/win/handlers/startup_steps.h"
#include "app/win/program/application.h"
#include "app/win/program/program_run.h"

namespace quorvela::win {

SpeedGaugeHandler::SpeedGaugeHandler() : events_(CVolEventObjectPointer::create(this)) { bindMembers(); }

SpeedGaugeHandler& SpeedGaugeHandler::operator=(const SpeedGaugeHandler& other) {
  if (this != &other) {
    CVolObject::operator=(other);
    GaugeTimer = other.GaugeTimer;
    gaugeValueShown = other.gaugeValueShown;
  }
  return *this;
}

SpeedGaugeHandler::~SpeedGaugeHandler() {
  flags |= kDestroying;
  events_->clearOwner();
  events_.reset();
}

void SpeedGaugeHandler::bindMembers() {
  GaugeTimer.tickEvent.bind(&GaugeTimerTick, events_);
  GaugeTimer.listenToWindow();
}

void SpeedGaugeHandler::StartupHook() {
  AppComponents& components = theApplication().components;
  AdoptSpeedGaugeChart(*this);
  GaugeTimer.releaseBeforeAssign();
  GaugeTimer = components.pageSet.controlCentrePage.GaugeTimer;
  bindMembers();
  LoadStartupTargetImage(components.runState);
  BindTargetImageHandlerAtStartup(components.runState);
  components.handlerSet.runNowHandler.BindRunNow();
  BindTimedRunHandlerAtStartup();
}

void SpeedGaugeHandler::SetGaugeValue(std::int32_t value) {
  if (gaugeValueShown) gaugeValueShown(value);
}

std::int32_t GaugeTimerTick(CVolObject* owner, CVolObject* sender, std::int32_t) {
  auto* handler = static_cast<SpeedGaugeHandler*>(owner);
  if (sender == &handler->GaugeTimer) programRunRoad().GaugeTimerTick();
  return 0;
}

}  // namespace quorvela::win
