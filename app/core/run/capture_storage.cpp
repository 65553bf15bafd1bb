#include "app/core/run/capture_storage.h"

namespace quorvela {

CaptureStorage::~CaptureStorage() {
  if (!spare_) return;
  ByteBuffer freed;
  const std::lock_guard lock(spare_->lock);
  spare_->open = false;
  freed.swap(spare_->bytes);
}

ByteBuffer CaptureStorage::take() {
  ByteBuffer bytes;
  if (!spare_) return bytes;
  const std::lock_guard lock(spare_->lock);
  bytes.swap(spare_->bytes);
  return bytes;
}

SharedImageBytes::Snapshot CaptureStorage::share(ByteBuffer bytes) {
  if (!spare_) spare_ = std::make_shared<Spare>();
  auto giveBack = [spare = spare_](ByteBuffer* done) {
    const std::unique_ptr<ByteBuffer> owned(done);
    const std::lock_guard lock(spare->lock);
    // The larger of two spares is kept: it holds any capture of the same window.
    if (spare->open && owned->capacity() > spare->bytes.capacity()) spare->bytes.swap(*owned);
  };
  return SharedImageBytes::Snapshot(new ByteBuffer(std::move(bytes)), std::move(giveBack));
}

}  // namespace quorvela
