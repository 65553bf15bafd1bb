#include "app/win/run/automation_worker.h"

#include "app/core/run/automation_worker_loop.h"
#include "app/win/run/press_send_key.h"
#include "app/win/run/round_pause.h"
#include "app/win/run/window_capture.h"

namespace quorvela::win {

namespace {

class WindowsWorkerCalls : public WorkerCalls {
 public:
  explicit WindowsWorkerCalls(const BoundLibrary& library) : library_(library) {}

  ByteBuffer capture(std::uint32_t window, ByteBuffer storage) override {
    return capturer_.capture(window, std::move(storage));
  }
  std::int32_t findImage(const ByteBuffer& shot, const ByteBuffer& target) override {
    return library_.ZT(shot, target);
  }
  void pressSendKey(std::uint32_t window) override { PressSendKey(library_, window); }
  void pause(std::chrono::microseconds length) override { pause_.wait(length); }

 private:
  const BoundLibrary& library_;
  WindowCapturer capturer_;
  RoundPause pause_;
};

}  // namespace

DWORD WINAPI AutomationWorker(void* context) {
  const auto& run = *static_cast<const WorkerContext*>(context);
  // A thread's first key-mapping query loads its keyboard layout (10 ms and more under
  // Wine); made here, before the rounds, it is not paid by the first press after a hit.
  MapVirtualKeyA(VK_RETURN, MAPVK_VK_TO_VSC);
  WindowsWorkerCalls calls(*run.library);
  RunAutomationWorker(*run.state, automationWorkerSlot, calls);
  return 0;
}

}  // namespace quorvela::win
