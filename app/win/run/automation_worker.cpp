#include "app/win/run/automation_worker.h"

#include "app/core/run/automation_worker_loop.h"
#include "app/win/framework/gdi_scopes.h"
#include "app/win/run/find_image_in_shot.h"
#include "app/win/run/press_send_key.h"
#include "app/win/run/window_capture.h"

namespace quorvela::win {

namespace {

class WindowsWorkerCalls : public WorkerCalls {
 public:
  ByteBuffer capture(std::uint32_t window) override { return CaptureWindowBmp(window); }
  std::int32_t findImage(const ByteBuffer& shot, const ByteBuffer& target) override {
    return FindImageInShot(shot, target);
  }
  void pressSendKey(std::uint32_t window) override { PressSendKey(window); }
};

}  // namespace

DWORD WINAPI AutomationWorker(void* context) {
  auto& run = *static_cast<WorkerContext*>(context);
  WindowsWorkerCalls calls;
  RunAutomationWorker(run.state, run.slot, calls);
  return 0;
}

bool StartAutomationWorker(WorkerContext& context) {
  DWORD threadId = 0;
  const UniqueKernelHandle thread(CreateThread(nullptr, 0, AutomationWorker, &context, 0, &threadId));
  return static_cast<bool>(thread);
}

}  // namespace quorvela::win
