#pragma once
// An image buffer that one thread replaces while another reads it. Readers take a snapshot
// (a counted reference to one whole buffer); a replacement swaps in a new buffer, so a
// buffer is never freed, shortened or overwritten under a reader. The lock covers only the
// swap and the taking of a snapshot, never a capture, a library call or a wait.
#include <cstdint>
#include <memory>
#include <mutex>

#include "app/core/object/byte_buffer.h"
#include "app/core/object/vol_stream.h"

namespace quorvela {

class SharedImageBytes {
 public:
  using Snapshot = std::shared_ptr<const ByteBuffer>;

  SharedImageBytes() = default;
  SharedImageBytes(const SharedImageBytes& other) : bytes_(other.snapshot()) {}
  SharedImageBytes& operator=(const SharedImageBytes& other) {
    if (this != &other) swapIn(other.snapshot());
    return *this;
  }

  // Never null; an empty buffer when nothing was stored.
  Snapshot snapshot() const {
    std::lock_guard lock(lock_);
    return bytes_;
  }
  void replace(ByteBuffer bytes) { swapIn(std::make_shared<const ByteBuffer>(std::move(bytes))); }
  // Stores a buffer the caller keeps using.
  void replaceShared(Snapshot bytes) { swapIn(std::move(bytes)); }
  void clear() { replace(ByteBuffer{}); }
  std::int32_t size() const { return static_cast<std::int32_t>(snapshot()->size()); }

 private:
  void swapIn(Snapshot next) {
    if (!next) next = emptyBuffer();
    {
      std::lock_guard lock(lock_);
      bytes_.swap(next);
    }
    // The old buffer (now in next) goes when its last reader lets go, outside the lock.
  }
  static Snapshot emptyBuffer() {
    static const Snapshot empty = std::make_shared<const ByteBuffer>();
    return empty;
  }

  mutable std::mutex lock_;
  Snapshot bytes_ = emptyBuffer();
};

// Streamed as its bytes: an int32 length and the bytes; a short read leaves it as it was.
inline void readMember(VolStream& stream, SharedImageBytes& image) {
  ByteBuffer bytes;
  if (stream.readBytes(bytes)) image.replace(std::move(bytes));
}
inline void writeMember(VolStream& stream, const SharedImageBytes& image) { stream.writeBytes(*image.snapshot()); }

}  // namespace quorvela
