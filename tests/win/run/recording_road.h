#pragma once
// The run road with the real library, capture and worker thread, reporting to a page that
// records what it is asked, in order, as short texts: the run-now handler's road without
// its controls. A start starts the real automation worker, as the handler does.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/gauge/gauge_port.h"
#include "app/core/run/run_ports.h"
#include "app/core/run/run_state.h"
#include "app/win/library_binding/bound_library.h"
#include "app/win/run/automation_worker.h"

namespace qv::test {

class RecordingRoad : public quorvela::RunNowPort, public quorvela::GaugePort {
 public:
  RecordingRoad(quorvela::RunState& state, const quorvela::win::BoundLibrary& library);

  quorvela::RunState& state() { return state_; }
  std::int32_t FindWeChatWindow();
  std::int32_t CheckReady();
  // 1: a running run was told to stop; 2: a run was started.
  std::int32_t ToggleRunNow();
  void GaugeTimerTick();
  // True while a worker thread serves (or is about to serve) a run.
  static bool workerAlive() { return quorvela::win::automationWorkerSlot.held(); }

  std::uint32_t searchWeChatWindow() override;
  bool startWorker() override;
  void appendRunLog(int type, std::string_view text) override;
  void setRunButtonImage(int image) override;
  void setRunButtonText(std::string_view text) override;
  void setGaugeInterval(int milliseconds) override;
  void setGaugeValue(std::int32_t value) override;

  std::vector<std::string> calls;

 private:
  quorvela::RunState& state_;
  const quorvela::win::BoundLibrary& library_;
  quorvela::win::WorkerContext worker_;
};

}  // namespace qv::test
