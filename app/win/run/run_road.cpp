#include "app/win/run/run_road.h"

#include "app/core/gauge/gauge_tick.h"
#include "app/core/run/run_now.h"
#include "app/win/library_binding/library_calls.h"
#include "app/win/run/window_capture.h"

namespace quorvela::win {

std::int32_t RunRoad::FindWeChatWindow() { return quorvela::FindWeChatWindow(state_, *this); }

std::int32_t RunRoad::CheckReady() { return quorvela::CheckReady(state_, *this); }

std::int32_t RunRoad::ToggleRunNow() { return quorvela::ToggleRunNow(state_, slot_, *this); }

void RunRoad::GaugeTimerTick() { GaugeTick(state_, *this); }

void RunRoad::CaptureWeChatWindow() { state_.screenshot.replace(CaptureWindowBmp(state_.windowHandle.load())); }

std::uint32_t RunRoad::searchWeChatWindow() { return CallQwxjb(); }

bool RunRoad::startWorker() { return StartAutomationWorker(worker_); }

void RunRoad::appendRunLog(int type, std::string_view text) {
  if (page_.appendRunLog) page_.appendRunLog(type, text);
}

void RunRoad::setRunButtonImage(int image) {
  if (page_.setRunButtonImage) page_.setRunButtonImage(image);
}

void RunRoad::setRunButtonText(std::string_view text) {
  if (page_.setRunButtonText) page_.setRunButtonText(text);
}

void RunRoad::setGaugeInterval(int milliseconds) {
  if (page_.setGaugeInterval) page_.setGaugeInterval(milliseconds);
}

void RunRoad::setGaugeValue(std::int32_t value) {
  if (page_.setGaugeValue) page_.setGaugeValue(value);
}

}  // namespace quorvela::win
