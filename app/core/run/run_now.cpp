#include "app/core/run/run_now.h"

#include "app/core/run/run_texts.h"

namespace quorvela {

std::int32_t FindWeChatWindow(RunState& state, RunNowPort& port) {
  const std::uint32_t window = port.searchWeChatWindow();
  state.windowHandle.store(window);
  if (window == 0) {
    port.appendRunLog(kLogError, kWeChatWindowMissing);
    return 0;
  }
  return 1;
}

std::int32_t CheckReady(RunState& state, RunNowPort& port) {
  if (FindWeChatWindow(state, port) == 0) return 0;
  if (state.targetImage.size() == 0) {
    port.appendRunLog(kLogError, kTargetImageMissing);
    return 0;
  }
  return 1;
}

std::int32_t ToggleRunNow(RunState& state, WorkerSlot& slot, RunNowPort& port) {
  if (state.running.load() != 0) {
    // The button keeps its running look until the gauge tick sees the flag cleared.
    state.running.store(0);
    return kToggleToldToStop;
  }
  state.running.store(1);
  state.timedRunArmed.store(0);
  port.appendRunLog(kLogInformation, kRunStarted);
  port.setRunButtonImage(kRunNowRunningImage);
  port.setRunButtonText(kRunNowRunningCaption);
  // A worker still finishing its round or its send burst carries on with this run.
  if (slot.claim() && !port.startWorker()) slot.release();
  port.setGaugeInterval(kGaugeIntervalMs);
  return kToggleStarted;
}

}  // namespace quorvela
