#include "app/core/object/class_info.h"

#include <gtest/gtest.h>

#include <string>

#include "app/core/run/run_state.h"
#include "app/core/start/empty_component.h"

namespace quorvela {
namespace {

TEST(ClassInfo, NameHash) {
  struct Case {
    std::string name;
    std::int32_t hash;
  };
  const Case cases[] = {
      {"", 0},                                     // empty: 0, not 1
      {"a", 97},                                   // odd already
      {"b", 99},                                   // 98 | 1
      {"ab", 583},                                 // 97 * 5 + 98
      {"ba", 587},                                 // order matters: 98 * 5 + 97
      {std::string("\xff\xff", 2), 1531},          // bytes are unsigned: 255 * 5 + 255 = 1530 | 1
  };
  for (const auto& c : cases) EXPECT_EQ(classNameHash(c.name), c.hash) << c.name;
}

TEST(ClassInfo, LongNameWrapsAndStaysPositive) {
  // 64 times 'z' (122): the sum of 122 * 5^k wraps at 32 bits many times over.
  EXPECT_EQ(classNameHash(std::string(64, 'z')), 1311027585);
}

std::unique_ptr<CVolObject> noFactory() { return nullptr; }

TEST(ClassInfo, SameClassByRecordOrByNameBytes) {
  const ClassInfo a("app::A", &noFactory);
  const ClassInfo aAgain("app::A", &noFactory);
  const ClassInfo b("app::B", &noFactory);
  EXPECT_TRUE(a.denotesSameClass(a));
  EXPECT_TRUE(a.denotesSameClass(aAgain));
  EXPECT_FALSE(a.denotesSameClass(b));
  EXPECT_EQ(a.nameLength, 6);
}

TEST(ClassInfo, EqualHashAndLengthButOtherBytesIsAnotherClass) {
  // "\0\5" and "\1\0" both hash to 5 | 1.
  const ClassInfo x(std::string_view("\0\5", 2), &noFactory);
  const ClassInfo y(std::string_view("\1\0", 2), &noFactory);
  ASSERT_EQ(x.nameHash, y.nameHash);
  ASSERT_EQ(x.nameLength, y.nameLength);
  EXPECT_FALSE(x.denotesSameClass(y));
}

TEST(ClassInfo, OneRecordPerClassMadeOnFirstUse) {
  EXPECT_EQ(&RunState::staticClassInfo(), &RunState().classInfo());
  EXPECT_FALSE(RunState::staticClassInfo().denotesSameClass(EmptyComponent::staticClassInfo()));
  EXPECT_EQ(RunState::staticClassInfo().name, "quorvela::RunState");
  auto made = RunState::staticClassInfo().factory();
  ASSERT_NE(made, nullptr);
  EXPECT_TRUE(made->classInfo().denotesSameClass(RunState::staticClassInfo()));
}

}  // namespace
}  // namespace quorvela
