#include "library/win/capture/runtime/handler_failure.h"

#include <exception>
#include <utility>

namespace pixfarrow::capture {
namespace {

// One for the process, not one per thread: the windows of a capture belong to the one thread
// that runs it, and captures do not overlap. (A thread_local here would pin the library in
// memory for good: the runtime's thread-local storage holds a reference to it.)
std::exception_ptr kept;

}  // namespace

void KeepHandlerFailure() noexcept {
  if (!kept) kept = std::current_exception();
}

void RethrowHandlerFailure() {
  if (kept) std::rethrow_exception(std::exchange(kept, nullptr));
}

void ForgetHandlerFailure() noexcept { kept = nullptr; }

}  // namespace pixfarrow::capture
