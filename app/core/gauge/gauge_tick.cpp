#include "app/core/gauge/gauge_tick.h"

#include "app/core/run/run_texts.h"

namespace quorvela {

void GaugeTick(RunState& state, GaugePort& port) {
  if (state.running.load() != 0) {
    // One exchange: a round added between a read and a reset would be lost.
    port.setGaugeValue(state.roundCount.exchange(0));
    return;
  }
  port.setGaugeValue(0);
  port.setGaugeInterval(0);
  port.appendRunLog(kLogInformation, kRunStopped);
  port.setRunButtonText(kRunNowIdleCaption);
  port.setRunButtonImage(kRunNowIdleImage);
}

}  // namespace quorvela
