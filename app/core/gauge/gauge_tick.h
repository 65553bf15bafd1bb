#pragma once
// The gauge timer's tick: the rounds of the last second while running; after a run, the
// stop (gauge 0, timer stopped, stop line, idle button).
#include "app/core/gauge/gauge_port.h"
#include "app/core/run/run_state.h"

namespace quorvela {

void GaugeTick(RunState& state, GaugePort& port);

}  // namespace quorvela
