#include "app/win/run/automation_worker.h"

#include "app/core/run/automation_worker_loop.h"
#include "app/win/run/find_image_in_shot.h"
#include "app/win/run/press_send_key.h"
#include "app/win/run/round_pause.h"
#include "app/win/run/window_capture.h"
#include "common/win/kernel_owners.h"

namespace quorvela::win {

namespace {

class WindowsWorkerCalls : public WorkerCalls {
 public:
  ByteBuffer capture(std::uint32_t window, ByteBuffer storage) override {
    return capturer_.capture(window, std::move(storage));
  }
  std::int32_t findImage(const ByteBuffer& shot, const ByteBuffer& target) override {
    return FindImageInShot(shot, target);
  }
  void pressSendKey(std::uint32_t window) override { PressSendKey(window); }
  void pause(std::chrono::microseconds length) override { pause_.wait(length); }

 private:
  WindowCapturer capturer_;
  RoundPause pause_;
};

}  // namespace

DWORD WINAPI AutomationWorker(void* context) {
  auto& run = *static_cast<WorkerContext*>(context);
  // A thread's first key-mapping query loads its keyboard layout (10 ms and more under
  // Wine); made here, before the rounds, it is not paid by the first press after a hit.
  MapVirtualKeyA(VK_RETURN, MAPVK_VK_TO_VSC);
  WindowsWorkerCalls calls;
  RunAutomationWorker(run.state, run.slot, calls);
  return 0;
}

bool StartAutomationWorker(WorkerContext& context) {
  DWORD threadId = 0;
  const qv::win::UniqueKernelHandle thread(CreateThread(nullptr, 0, AutomationWorker, &context, 0, &threadId));
  return static_cast<bool>(thread);
}

}  // namespace quorvela::win
