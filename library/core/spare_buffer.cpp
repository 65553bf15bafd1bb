#include "library/core/spare_buffer.h"

#include <mutex>
#include <utility>

namespace pixfarrow {
namespace {

struct Spare {
  std::mutex mutex;
  ByteSet buffer;
};

// Freed when the library unloads.
Spare& LibrarySpare() {
  static Spare spare;
  return spare;
}

}  // namespace

ByteSet TakeSpareBuffer() {
  Spare& spare = LibrarySpare();
  std::lock_guard lock(spare.mutex);
  return std::exchange(spare.buffer, ByteSet{});
}

void KeepSpareBuffer(ByteSet&& buffer) {
  if (buffer.capacity() > kLargestSpare) return;
  Spare& spare = LibrarySpare();
  std::lock_guard lock(spare.mutex);
  if (spare.buffer.capacity() < buffer.capacity()) spare.buffer = std::move(buffer);
}

}  // namespace pixfarrow
