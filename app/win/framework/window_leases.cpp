#include "app/win/framework/window_leases.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace quorvela::win {

namespace {

struct Lent {
  HWND window;
  std::weak_ptr<WindowLease> lease;
};

// Touched by the GUI thread only.
constinit std::vector<Lent> lentWindows;

}  // namespace

std::shared_ptr<WindowLease> leaseWindow(HWND window) {
  auto& lent = lentWindows;
  std::erase_if(lent, [](const Lent& entry) { return entry.lease.expired(); });
  auto lease = std::make_shared<WindowLease>(window);
  lent.push_back({window, lease});
  return lease;
}

void takeBackLeases(HWND window) {
  auto& lent = lentWindows;
  std::vector<std::shared_ptr<WindowLease>> held;
  for (const auto& entry : lent) {
    if (entry.window != window) continue;
    if (auto lease = entry.lease.lock()) held.push_back(std::move(lease));
  }
  std::erase_if(lent, [window](const Lent& entry) { return entry.window == window; });
  for (const auto& lease : held) lease->TakeBack();
}

}  // namespace quorvela::win
