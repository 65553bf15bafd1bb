#pragma once
// The event record of an object that receives events, written once for every handler, page
// and form: made with the object, kept by it (an assigned object keeps its own, and a copy
// is never made), and withdrawn first when the object's destruction begins. Declared last
// among the object's members, it is destroyed before any of them.
#include "app/core/object/event_object_pointer.h"
#include "app/core/object/vol_object.h"

namespace quorvela {

class EventOwner {
 public:
  // Handlers and forms mark the start of their destruction in the base flags; pages do not.
  enum class Marking { kMarksDestruction, kLeavesFlags };

  explicit EventOwner(CVolObject& owner, Marking marking = Marking::kMarksDestruction)
      : owner_(owner), marking_(marking), record_(CVolEventObjectPointer::create(&owner)) {}
  EventOwner(const EventOwner&) = delete;
  EventOwner& operator=(const EventOwner&) { return *this; }
  ~EventOwner() {
    if (marking_ == Marking::kMarksDestruction) owner_.flags |= CVolObject::kDestroying;
    record_->clearOwner();
    record_.reset();
  }

  const EventRecord& record() const { return record_; }

 private:
  CVolObject& owner_;
  Marking marking_;
  EventRecord record_;
};

}  // namespace quorvela
