#include "tests/win/run/recording_road.h"

#include <windows.h>

#include "app/core/gauge/gauge_tick.h"
#include "app/core/run/run_now.h"
#include "common/win/kernel_owners.h"

namespace qv::test {

RecordingRoad::RecordingRoad(quorvela::RunState& state, const quorvela::win::BoundLibrary& library)
    : state_(state), library_(library), worker_{&state, &library} {}

std::int32_t RecordingRoad::FindWeChatWindow() { return quorvela::FindWeChatWindow(state_, *this); }

std::int32_t RecordingRoad::CheckReady() { return quorvela::CheckReady(state_, *this); }

std::int32_t RecordingRoad::ToggleRunNow() {
  return quorvela::ToggleRunNow(state_, quorvela::win::automationWorkerSlot, *this);
}

void RecordingRoad::GaugeTimerTick() { quorvela::GaugeTick(state_, *this); }

std::uint32_t RecordingRoad::searchWeChatWindow() { return library_.QWXJB(); }

bool RecordingRoad::startWorker() {
  const qv::win::UniqueKernelHandle thread(
      CreateThread(nullptr, 0, &quorvela::win::AutomationWorker, &worker_, 0, nullptr));
  return static_cast<bool>(thread);
}

void RecordingRoad::appendRunLog(int type, std::string_view text) {
  calls.push_back("log " + std::to_string(type) + " " + std::string(text));
}

void RecordingRoad::setRunButtonImage(int image) { calls.push_back("image " + std::to_string(image)); }

void RecordingRoad::setRunButtonText(std::string_view text) { calls.push_back("text " + std::string(text)); }

void RecordingRoad::setGaugeInterval(int milliseconds) { calls.push_back("interval " + std::to_string(milliseconds)); }

void RecordingRoad::setGaugeValue(std::int32_t value) { calls.push_back("gauge " + std::to_string(value)); }

}  // namespace qv::test
