#pragma once
// The record that names the receiver of events. Slots hold counted references to it; the
// receiver clears the owner when its destruction begins, after which events are dropped.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

namespace quorvela {

class CVolObject;

class CVolEventObjectPointer {
 public:
  explicit CVolEventObjectPointer(CVolObject* owner) : owner_(owner) {}
  CVolEventObjectPointer(const CVolEventObjectPointer&) = delete;
  CVolEventObjectPointer& operator=(const CVolEventObjectPointer&) = delete;

  static std::shared_ptr<CVolEventObjectPointer> create(CVolObject* owner) {
    return std::make_shared<CVolEventObjectPointer>(owner);
  }

  CVolObject* owner() const {
    std::lock_guard lock(ownerLock_);
    return owner_;
  }
  // Waits for a callback running on another thread; a callback on this thread may clear
  // its own owner (the lock is recursive).
  void clearOwner() {
    std::lock_guard lock(ownerLock_);
    owner_ = nullptr;
  }
  int busyCount() const { return busy_.load(); }

  // Runs call(owner) unless the owner has been cleared; false when the event was dropped.
  template <class Call>
  bool runForOwner(Call&& call) {
    std::lock_guard lock(ownerLock_);
    if (!owner_) return false;
    ++busy_;
    struct Lower {
      std::atomic<int>& count;
      ~Lower() { --count; }
    } lower{busy_};
    call(owner_);
    return true;
  }

 private:
  mutable std::recursive_mutex ownerLock_;
  std::atomic<int> busy_{0};
  CVolObject* owner_;
};

using EventRecord = std::shared_ptr<CVolEventObjectPointer>;

}  // namespace quorvela
