#include "app/win/gauge/speed_gauge_handler.h"

#include <string>

#include "app/core/gauge/gauge_tick.h"
#include "app/win/framework/control_window.h"
#include "app/win/run_log/run_log.h"
#include "app/win/target_image/target_image_file.h"

namespace quorvela::win {

void SpeedGaugeHandler::bindMembers() {
  gauge.chart.readyEvent.bind(&GaugeChartReadyCallback, events_.record());
  gauge.chart.listenToWindow();
  GaugeTimer.tickEvent.bind(&GaugeTimerTick, events_.record());
  GaugeTimer.listenToWindow();
}

void SpeedGaugeHandler::BindGauge() {
  if (!links_->page) return;
  Adopt(gauge.chart, links_->page->SpeedGaugeChart);
  Adopt(GaugeTimer, links_->page->GaugeTimer);
  bindMembers();
}

void SpeedGaugeHandler::StartupHook() {
  if (!links_->state) return;
  BindGauge();
  LoadTargetImageFile(*links_->state);
  links_->targetImage->BindTargetImageHandler();
  links_->runNow->BindRunNow();
  links_->timedRun->BindTimedRunHandler();
}

void SpeedGaugeHandler::setGaugeValue(std::int32_t value) { SetGaugeValue(gauge, value); }

void SpeedGaugeHandler::setGaugeInterval(int milliseconds) { GaugeTimer.setInterval(milliseconds); }

void SpeedGaugeHandler::appendRunLog(int type, std::string_view text) {
  AppendRunLog(links_->page->RunLogBox, type, std::string(text));
}

void SpeedGaugeHandler::setRunButtonText(std::string_view text) {
  SetControlText(links_->runNow->RunNowButton, std::string(text));
}

void SpeedGaugeHandler::setRunButtonImage(int image) { links_->runNow->RunNowButton.setImage(image); }

std::int32_t GaugeChartReadyCallback(CVolObject* owner, CVolObject* sender, std::int32_t passed,
                                     EChartsOption* option) {
  return BuildGaugeOption(static_cast<SpeedGaugeHandler*>(owner)->gauge, sender, passed, option);
}

std::int32_t GaugeTimerTick(CVolObject* owner, CVolObject* sender, std::int32_t) {
  auto* handler = static_cast<SpeedGaugeHandler*>(owner);
  if (sender == &handler->GaugeTimer && handler->links_->state) GaugeTick(*handler->links_->state, *handler);
  return 0;
}

}  // namespace quorvela::win
