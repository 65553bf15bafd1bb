#include "app/core/object/event_slot.h"

#include <gtest/gtest.h>

#include "app/core/object/vol_object.h"

namespace quorvela {
namespace {

// A receiver that follows the handler pattern: one record naming itself, cleared when its
// destruction begins.
struct Receiver : CVolObject {
  Receiver() : record(CVolEventObjectPointer::create(this)) {}
  ~Receiver() override {
    flags |= kDestroying;
    record->clearOwner();
  }
  EventRecord record;
  int calls = 0;
  CVolObject* lastSender = nullptr;
  std::int32_t lastExtra = 0;
  int lastArg = 0;
  int busySeen = 0;
};

std::int32_t onEvent(CVolObject* owner, CVolObject* sender, std::int32_t extra, int arg) {
  auto* receiver = static_cast<Receiver*>(owner);
  ++receiver->calls;
  receiver->lastSender = sender;
  receiver->lastExtra = extra;
  receiver->lastArg = arg;
  receiver->busySeen = receiver->record->busyCount();
  return arg * 2;
}

TEST(EventSlot, FireRunsTheCallbackWithOwnerSenderExtraAndArguments) {
  Receiver receiver;
  CVolObject sender;
  EventSlot<int> slot;
  slot.bind(&onEvent, receiver.record, 7);
  EXPECT_EQ(slot.fire(&sender, 21), 42);
  EXPECT_EQ(receiver.calls, 1);
  EXPECT_EQ(receiver.lastSender, &sender);
  EXPECT_EQ(receiver.lastExtra, 7);
  EXPECT_EQ(receiver.lastArg, 21);
  EXPECT_EQ(receiver.busySeen, 1);
  EXPECT_EQ(receiver.record->busyCount(), 0);
}

TEST(EventSlot, UnboundSlotFiresNothing) {
  EventSlot<int> slot;
  EXPECT_FALSE(slot.fire(nullptr, 1).has_value());
  Receiver receiver;
  slot.bind(&onEvent, receiver.record);
  slot.unbind();
  EXPECT_FALSE(slot.fire(nullptr, 1).has_value());
  EXPECT_EQ(receiver.calls, 0);
}

TEST(EventSlot, EventsAreDroppedOnceTheOwnerIsCleared) {
  EventSlot<int> slot;
  EventRecord kept;
  {
    Receiver receiver;
    slot.bind(&onEvent, receiver.record);
    kept = receiver.record;
    receiver.record->clearOwner();
    EXPECT_FALSE(slot.fire(nullptr, 1).has_value());
    EXPECT_EQ(receiver.calls, 0);
  }
  // The slot still counts the record; the receiver is gone and nothing reaches it.
  EXPECT_EQ(kept->owner(), nullptr);
  EXPECT_FALSE(slot.fire(nullptr, 1).has_value());
}

TEST(EventSlot, ReceiverOutlivedByTheSlotGetsNothing) {
  EventSlot<int> slot;
  { Receiver receiver;
    slot.bind(&onEvent, receiver.record); }
  EXPECT_FALSE(slot.fire(nullptr, 3).has_value());  // ASan reports any use of the receiver
}

TEST(EventSlot, RebindingReleasesThePreviousRecord) {
  Receiver first, second;
  EventSlot<int> slot;
  slot.bind(&onEvent, first.record);
  EXPECT_EQ(first.record.use_count(), 2);
  slot.bind(&onEvent, second.record);
  EXPECT_EQ(first.record.use_count(), 1);
  slot.fire(nullptr, 1);
  EXPECT_EQ(first.calls, 0);
  EXPECT_EQ(second.calls, 1);
}

TEST(EventSlot, CopyStartsUnboundAndAssignmentKeepsOwnBinding) {
  Receiver a, b;
  EventSlot<int> bound;
  bound.bind(&onEvent, a.record);
  EventSlot<int> copied(bound);
  EXPECT_FALSE(copied.isBound());
  EventSlot<int> other;
  other.bind(&onEvent, b.record);
  other = bound;
  other.fire(nullptr, 1);
  EXPECT_EQ(a.calls, 0);
  EXPECT_EQ(b.calls, 1);
}

std::int32_t clearOwnOwner(CVolObject* owner, CVolObject*, std::int32_t) {
  static_cast<Receiver*>(owner)->record->clearOwner();
  return 1;
}

TEST(EventSlot, CallbackMayClearItsOwnOwner) {
  Receiver receiver;
  EventSlot<> slot;
  slot.bind(&clearOwnOwner, receiver.record);
  EXPECT_EQ(slot.fire(nullptr), 1);  // no deadlock on the record's lock
  EXPECT_FALSE(slot.fire(nullptr).has_value());
}

}  // namespace
}  // namespace quorvela
