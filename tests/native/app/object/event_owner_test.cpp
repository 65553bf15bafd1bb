#include "app/core/object/event_owner.h"

#include <gtest/gtest.h>

#include <memory>

#include "app/core/object/event_slot.h"
#include "app/core/object/members_class.h"

namespace quorvela {
namespace {

// A handler's shape: a listed member, and the event record declared last.
class Handler : public MembersClass<Handler, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::test::Handler";
  static auto members(auto& self) { return std::tie(self.name); }

  std::string name;
  int calls = 0;
  EventOwner events{*this};
};

std::int32_t count(CVolObject* owner, CVolObject*, std::int32_t) {
  ++static_cast<Handler*>(owner)->calls;
  return 0;
}

TEST(EventOwner, AnEventAfterTheOwnersDestructionBeganIsDropped) {
  EventSlot<> slot;
  auto handler = std::make_unique<Handler>();
  slot.bind(&count, handler->events.record());
  EXPECT_TRUE(slot.fire(nullptr).has_value());
  EXPECT_EQ(handler->calls, 1);
  handler.reset();
  EXPECT_FALSE(slot.fire(nullptr).has_value());
}

TEST(EventOwner, CopiesAndAssignmentsKeepEachObjectsOwnRecord) {
  Handler source;
  source.name = "source";
  Handler target;
  const CVolEventObjectPointer* own = target.events.record().get();
  target = source;
  EXPECT_EQ(target.name, "source");
  EXPECT_EQ(target.events.record().get(), own);
  EXPECT_EQ(own->owner(), &target);
  const std::unique_ptr<CVolObject> clone = source.clone();
  const auto& copy = static_cast<const Handler&>(*clone);
  EXPECT_EQ(copy.name, "source");
  EXPECT_NE(copy.events.record(), source.events.record());
  EXPECT_EQ(copy.events.record()->owner(), clone.get());
}

}  // namespace
}  // namespace quorvela
