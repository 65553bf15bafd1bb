#include "library/core/process_events.h"

#include <atomic>

namespace pixfarrow {
namespace {

std::atomic<EventHandler> installed{nullptr};

}  // namespace

void SetProcessEventsHandler(EventHandler handler) { installed.store(handler, std::memory_order_release); }

void ProcessEvents() {
  if (const EventHandler handler = installed.load(std::memory_order_acquire)) handler();
}

}  // namespace pixfarrow
