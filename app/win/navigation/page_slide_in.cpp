#include "app/win/navigation/page_slide_in.h"

#include <memory>

#include "app/core/navigation/slide_in.h"
#include "app/win/framework/control_window.h"
#include "app/win/framework/window_leases.h"
#include "app/win/framework/window_procedure.h"
#include "common/win/kernel_owners.h"

namespace quorvela::win {

namespace {

class LeasedPage : public SlideTarget {
 public:
  explicit LeasedPage(std::shared_ptr<WindowLease> lease) : lease_(std::move(lease)) {}

  std::optional<int> left() override {
    std::optional<int> left;
    lease_->WithWindow([&](HWND window) { left = positionInParent(window).x; });
    return left;
  }
  void moveToLeft(int left) override {
    lease_->WithWindow([&](HWND window) {
      const POINT position = positionInParent(window);
      SetWindowPos(window, nullptr, left, position.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    });
  }
  void pause() override { Sleep(SlideIn::kPauseMs); }

 private:
  std::shared_ptr<WindowLease> lease_;
};

DWORD WINAPI slideThread(void* parameter) {
  const std::unique_ptr<std::shared_ptr<WindowLease>> lease(static_cast<std::shared_ptr<WindowLease>*>(parameter));
  LeasedPage page(*lease);
  slideIntoPlace(page);
  return 0;
}

}  // namespace

void SlideInPage(const Panel& page) {
  HWND window = windowOf(page);
  if (!window) return;
  auto lease = std::make_unique<std::shared_ptr<WindowLease>>(leaseWindow(window));
  const qv::win::UniqueKernelHandle thread(CreateThread(nullptr, 0, &slideThread, lease.get(), 0, nullptr));
  if (thread) lease.release();  // the thread owns it now
}

}  // namespace quorvela::win
