#include "library/win/frame/shutdown_hooks.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace pixfarrow::win {

namespace {

std::vector<std::pair<ShutdownStage, ShutdownHook>>& Hooks() {
  static std::vector<std::pair<ShutdownStage, ShutdownHook>> hooks;
  return hooks;
}

}  // namespace

void AtLibraryShutdown(ShutdownStage stage, ShutdownHook hook) {
  if (hook) Hooks().emplace_back(stage, hook);
}

void RunShutdownHooks() {
  auto hooks = std::move(Hooks());
  Hooks().clear();
  std::stable_sort(hooks.begin(), hooks.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  // Within a stage, the latest registration first.
  for (auto first = hooks.begin(); first != hooks.end();) {
    auto last = std::find_if(first, hooks.end(), [&](const auto& h) { return h.first != first->first; });
    for (auto it = last; it != first;) (--it)->second();
    first = last;
  }
}

}  // namespace pixfarrow::win
