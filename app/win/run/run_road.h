#pragma once
// The run road on Windows: the library, the capture and the worker thread joined to the
// portable run logic, with the page's controls reached through hooks.
#include <cstdint>
#include <functional>
#include <string_view>

#include "app/core/run/run_ports.h"
#include "app/core/run/run_state.h"
#include "app/core/run/worker_slot.h"
#include "app/win/run/automation_worker.h"

namespace quorvela::win {

// What the page does for the run road, on the GUI thread; a hook left empty does nothing.
struct RunPageHooks {
  std::function<void(int type, std::string_view text)> appendRunLog;
  std::function<void(int image)> setRunButtonImage;
  std::function<void(std::string_view text)> setRunButtonText;
  std::function<void(int milliseconds)> setGaugeInterval;
  std::function<void(std::int32_t value)> setGaugeValue;
};

class RunRoad : private RunNowPort {
 public:
  explicit RunRoad(RunState& state) : state_(state) {}
  RunRoad(const RunRoad&) = delete;
  RunRoad& operator=(const RunRoad&) = delete;

  RunPageHooks& page() { return page_; }
  RunState& state() { return state_; }
  // True while a worker thread serves (or is about to serve) a run.
  bool workerAlive() const { return slot_.held(); }

  std::int32_t FindWeChatWindow();
  std::int32_t CheckReady();
  // 1: a running run was told to stop; 2: a run was started.
  std::int32_t ToggleRunNow();
  void GaugeTimerTick();
  // Replaces the stored screenshot by a capture of the stored window.
  void CaptureWeChatWindow();

 private:
  std::uint32_t searchWeChatWindow() override;
  bool startWorker() override;
  void appendRunLog(int type, std::string_view text) override;
  void setRunButtonImage(int image) override;
  void setRunButtonText(std::string_view text) override;
  void setGaugeInterval(int milliseconds) override;
  void setGaugeValue(std::int32_t value) override;

  RunState& state_;
  WorkerSlot slot_;
  WorkerContext worker_{state_, slot_};
  RunPageHooks page_;
};

}  // namespace quorvela::win
