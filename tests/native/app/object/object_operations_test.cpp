#include <gtest/gtest.h>

#include "app/core/object/vol_class.h"
#include "app/core/run/run_state.h"
#include "app/core/start/empty_component.h"

namespace quorvela {
namespace {

ByteBuffer bytesOf(std::initializer_list<std::uint8_t> list) { return ByteBuffer(list); }

void fill(RunState& state) {
  state.windowHandle = 0x1234;
  state.targetImage.replace(bytesOf({'B', 'M', 1, 2}));
  state.screenshot.replace(bytesOf({9, 8, 7}));
  state.running = 1;
  state.roundCount = 42;
  state.timedRunArmed = 1;
  state.spareWord = 7;
}

void expectFilled(const RunState& state) {
  EXPECT_EQ(state.windowHandle.load(), 0x1234u);
  EXPECT_EQ(*state.targetImage.snapshot(), bytesOf({'B', 'M', 1, 2}));
  EXPECT_EQ(*state.screenshot.snapshot(), bytesOf({9, 8, 7}));
  EXPECT_EQ(state.running.load(), 1);
  EXPECT_EQ(state.roundCount.load(), 42);
  EXPECT_EQ(state.timedRunArmed.load(), 1);
  EXPECT_EQ(state.spareWord, 7);
}

void expectInitial(const RunState& state) {
  EXPECT_EQ(state.windowHandle.load(), 0u);
  EXPECT_TRUE(state.targetImage.snapshot()->empty());
  EXPECT_TRUE(state.screenshot.snapshot()->empty());
  EXPECT_EQ(state.running.load(), 0);
  EXPECT_EQ(state.roundCount.load(), 0);
  EXPECT_EQ(state.timedRunArmed.load(), 0);
}

TEST(ObjectOperations, RunStateStartsInitial) { expectInitial(RunState()); }

TEST(ObjectOperations, CloneCopiesEveryFieldAndBuffersByContent) {
  RunState source;
  fill(source);
  auto copy = source.clone();
  auto* state = dynamic_cast<RunState*>(copy.get());
  ASSERT_NE(state, nullptr);
  expectFilled(*state);
  // The clone keeps its bytes when the source's buffer is replaced.
  source.targetImage.replace(bytesOf({0}));
  EXPECT_EQ(*state->targetImage.snapshot(), bytesOf({'B', 'M', 1, 2}));
}

TEST(ObjectOperations, AssignFromSameClass) {
  RunState source;
  fill(source);
  RunState target;
  EXPECT_EQ(target.assignFrom(source), 1);
  expectFilled(target);
  EXPECT_EQ(target.assignFrom(target), 1);
  expectFilled(target);
}

TEST(ObjectOperations, AssignFromOtherClassChangesNothing) {
  RunState target;
  fill(target);
  EmptyComponent other;
  CVolObject base;
  EXPECT_EQ(target.assignFrom(other), 0);
  EXPECT_EQ(target.assignFrom(base), 0);
  expectFilled(target);
}

TEST(ObjectOperations, ResetToDefault) {
  RunState state;
  fill(state);
  state.resetToDefault();
  expectInitial(state);
}

TEST(ObjectOperations, EqualsOnlyItself) {
  RunState a, b;
  EXPECT_TRUE(a.equals(a));
  EXPECT_FALSE(a.equals(b));  // same class and words, but another object
  EmptyComponent e;
  EXPECT_FALSE(a.equals(e));
  EXPECT_FALSE(e.equals(a));
}

TEST(ObjectOperations, EmptyComponentsEqualByBaseWords) {
  struct Case {
    std::int32_t flags, spare;
    bool equal;
  };
  const Case cases[] = {
      {0, 0, true},
      {CVolObject::kDestroying, 0, true},  // only bit 0 of the flags counts
      {CVolObject::kNullObject, 0, false},
      {0, 5, false},
  };
  for (const auto& c : cases) {
    EmptyComponent a, b;
    b.flags = c.flags;
    b.spareWord = c.spare;
    EXPECT_EQ(a.equals(b), c.equal) << c.flags << " " << c.spare;
  }
}

struct Middle : VolClass<Middle, CVolObject> {
  static constexpr const char* kClassName = "test::Middle";
};
struct Leaf : VolClass<Leaf, Middle> {
  static constexpr const char* kClassName = "test::Leaf";
};

TEST(ObjectOperations, IsKindOfWalksUpToTheBase) {
  Leaf leaf;
  Middle middle;
  EXPECT_TRUE(leaf.isKindOf(Leaf::staticClassInfo()));
  EXPECT_TRUE(leaf.isKindOf(Middle::staticClassInfo()));
  EXPECT_TRUE(leaf.isKindOf(CVolObject::staticClassInfo()));
  EXPECT_FALSE(middle.isKindOf(Leaf::staticClassInfo()));
  EXPECT_FALSE(leaf.isKindOf(RunState::staticClassInfo()));
  // A base takes a derived object; the derived does not take its base.
  EXPECT_EQ(middle.assignFrom(leaf), 1);
  EXPECT_EQ(leaf.assignFrom(middle), 0);
}

TEST(ObjectOperations, CreateInstanceGivesDefaultOfTheSameClass) {
  Leaf leaf;
  auto made = leaf.createInstance();
  EXPECT_TRUE(made->classInfo().denotesSameClass(Leaf::staticClassInfo()));
}

TEST(ObjectOperations, Describe) {
  RunState state;
  const std::string text = state.describe();
  EXPECT_EQ(text.rfind("无法解析的对象数据,其输出类名为: \"quorvela::RunState\", 地址为: 0x", 0), 0u) << text;
  EXPECT_EQ(text.find("为空对象"), std::string::npos);
  state.flags |= CVolObject::kNullObject;
  const std::string nullText = state.describe();
  EXPECT_EQ(nullText.substr(nullText.size() - std::string(", 为空对象").size()), ", 为空对象");
}

struct Counted : VolClass<Counted, CVolObject> {
  static constexpr const char* kClassName = "test::Counted";
  static inline int alive = 0;
  Counted() { ++alive; }
  Counted(const Counted& other) : VolClass(other) { ++alive; }
  Counted& operator=(const Counted&) = default;
  ~Counted() override { --alive; }
};

TEST(ObjectOperations, DestroyWithFreeFlagReleasesTheObject) {
  const int before = Counted::alive;
  auto made = Counted().createInstance();
  ASSERT_EQ(Counted::alive, before + 1);
  made.release()->destroy(CVolObject::kDestroyFree);
  EXPECT_EQ(Counted::alive, before);  // ASan reports a leak or a double free here
}

}  // namespace
}  // namespace quorvela
