#include "app/core/framework/window_object.h"

#include <gtest/gtest.h>

namespace quorvela {
namespace {

// A control of a page and the handler's copy of it (the handler pattern).
struct Button : VolClass<Button, WindowObject> {
  static constexpr const char* kClassName = "test::Button";
  EventSlot<> clickEvent;
  int messages = 0;
  bool onMessage(WindowMessage&) override {
    ++messages;
    clickEvent.fire(this);
    return true;
  }
};

struct Handler : CVolObject {
  Handler() : record(CVolEventObjectPointer::create(this)) { bind(); }
  ~Handler() override { record->clearOwner(); }
  void bind() {
    button.clickEvent.bind(&onClick, record);
    button.listenToWindow();
  }
  void adopt(const Button& real) {
    button.releaseBeforeAssign();
    button = real;
    bind();
  }
  static std::int32_t onClick(CVolObject* owner, CVolObject* sender, std::int32_t) {
    auto* self = static_cast<Handler*>(owner);
    if (sender == &self->button) ++self->clicks;
    return 0;
  }
  EventRecord record;
  Button button;
  int clicks = 0;
};

// What the framework does with a message: hand it to the window's listener.
void deliver(const WindowLink& link) {
  WindowMessage message{0x0202, 0, 0};
  if (WindowObject* listener = link.listener()) listener->onMessage(message);
}

TEST(WindowObject, CopySharesTheWindowButNotTheBindings) {
  Button real;
  real.listenToWindow();
  Button copy(real);
  EXPECT_EQ(copy.link(), real.link());
  EXPECT_FALSE(copy.clickEvent.isBound());
  EXPECT_TRUE(real.isListening());
  EXPECT_FALSE(copy.isListening());
}

TEST(WindowObject, AdoptedCopyReceivesTheWindowsEvents) {
  Button real;
  real.listenToWindow();
  Handler handler;
  // Before adoption the handler's copy has a window of its own.
  deliver(*real.link());
  EXPECT_EQ(real.messages, 1);
  EXPECT_EQ(handler.clicks, 0);

  handler.adopt(real);
  deliver(*real.link());
  EXPECT_EQ(real.messages, 1);
  EXPECT_EQ(handler.clicks, 1);
}

TEST(WindowObject, ReleaseBeforeAssignAndDestructionWithdrawTheListener) {
  Button real;
  auto link = real.link();
  {
    Button copy(real);
    copy.listenToWindow();
    EXPECT_EQ(link->listener(), &copy);
  }
  EXPECT_EQ(link->listener(), nullptr);  // no message reaches a destroyed copy
  real.listenToWindow();
  real.releaseBeforeAssign();
  EXPECT_EQ(link->listener(), nullptr);
  deliver(*link);
}

TEST(WindowObject, ObjectThatDoesNotListenDoesNotWithdrawAnother) {
  Button real;
  real.listenToWindow();
  Button copy(real);
  copy.releaseBeforeAssign();
  EXPECT_TRUE(real.isListening());
}

int closed = 0;
void countClose(std::uintptr_t) { ++closed; }

TEST(WindowObject, LastReferenceClosesAWindowStillOpen) {
  closed = 0;
  {
    Button real;
    real.link()->attach(0x10, &countClose);
    Button copy(real);
  }
  EXPECT_EQ(closed, 1);
  {
    Button gone;
    gone.link()->attach(0x20, &countClose);
    gone.link()->detach();
  }
  EXPECT_EQ(closed, 1);
}

TEST(WindowObject, AssignFromIsKindOfChecked) {
  Button button;
  WindowObject plain;
  EXPECT_EQ(button.assignFrom(plain), 0);
  EXPECT_EQ(plain.assignFrom(button), 1);
  EXPECT_EQ(plain.link(), button.link());
}

}  // namespace
}  // namespace quorvela
