#include "app/win/run/find_image_in_shot.h"

#include <mutex>

#include "app/win/library_binding/library_calls.h"

namespace quorvela::win {

namespace {

// Held for one ZT call only, never across a send burst or a wait.
std::mutex& ZtCallGuard() {
  static std::mutex guard;
  return guard;
}

}  // namespace

std::int32_t FindImageInShot(const ByteBuffer& shot, const ByteBuffer& target) {
  const std::lock_guard lock(ZtCallGuard());
  return CallZt(shot, target);
}

}  // namespace quorvela::win
