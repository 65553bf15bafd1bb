#pragma once
// The worker's capture buffers. Each capture is shared (the stored screenshot, a test find
// that reads it); once its last reader lets go, its bytes come back here and the next
// capture writes over them instead of taking fresh pages. The hand-back goes through a lock,
// so a capture is never written over while another thread may still read it.
#include <memory>
#include <mutex>

#include "app/core/object/byte_buffer.h"
#include "app/core/object/shared_image_bytes.h"

namespace quorvela {

class CaptureStorage {
 public:
  CaptureStorage() = default;
  // Buffers still read elsewhere are freed by their last reader from then on.
  ~CaptureStorage();
  CaptureStorage(const CaptureStorage&) = delete;
  CaptureStorage& operator=(const CaptureStorage&) = delete;

  // Bytes of a capture that nobody reads any more, or an empty buffer.
  ByteBuffer take();
  // The capture as a counted buffer whose bytes come back to take() when its last reader
  // lets go.
  SharedImageBytes::Snapshot share(ByteBuffer bytes);

 private:
  struct Spare {
    std::mutex lock;
    bool open = true;
    ByteBuffer bytes;
  };
  std::shared_ptr<Spare> spare_;
};

}  // namespace quorvela
