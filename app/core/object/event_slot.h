#pragma once
// One event of a control or form: callback, receiver record and extra value, under a lock.
// A copied slot starts unbound and assigning a slot keeps its own binding, so a copy of a
// control never takes over the source's bindings.
#include <cstdint>
#include <mutex>
#include <optional>
#include <utility>

#include "app/core/object/event_object_pointer.h"

namespace quorvela {

class CVolObject;

template <class... Args>
class EventSlot {
 public:
  // owner (the receiver), sender (the object whose slot fired), extra, then the event's own
  // arguments; a non-zero result marks the event as handled.
  using Callback = std::int32_t (*)(CVolObject* owner, CVolObject* sender, std::int32_t extra,
                                    Args... args);

  EventSlot() = default;
  EventSlot(const EventSlot&) {}
  EventSlot& operator=(const EventSlot&) { return *this; }

  void bind(Callback callback, EventRecord record, std::int32_t extra = 0) {
    EventRecord previous;
    {
      std::lock_guard lock(lock_);
      callback_ = callback;
      previous = std::exchange(record_, std::move(record));
      extra_ = extra;
    }
  }

  void unbind() { bind(nullptr, nullptr, 0); }

  bool isBound() const {
    std::lock_guard lock(lock_);
    return callback_ != nullptr && record_ != nullptr;
  }

  // The callback's result, or nothing when the slot is unbound or its owner is cleared.
  std::optional<std::int32_t> fire(CVolObject* sender, Args... args) const {
    Callback callback;
    EventRecord record;
    std::int32_t extra;
    {
      std::lock_guard lock(lock_);
      callback = callback_;
      record = record_;
      extra = extra_;
    }
    if (!callback || !record) return std::nullopt;
    std::optional<std::int32_t> result;
    record->runForOwner([&](CVolObject* owner) { result = callback(owner, sender, extra, args...); });
    return result;
  }

 private:
  mutable std::mutex lock_;
  Callback callback_ = nullptr;
  EventRecord record_;
  std::int32_t extra_ = 0;
};

}  // namespace quorvela
