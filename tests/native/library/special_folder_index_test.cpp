#include "library/core/special_folder_index.h"

#include <gtest/gtest.h>

namespace pixfarrow {
namespace {

TEST(SpecialFolderIndex, CsidlOfEachIndex) {
  struct Case {
    std::int32_t index;
    std::optional<std::int32_t> csidl;
  };
  for (const Case& c : {Case{1, 5}, Case{2, 6}, Case{3, 16}, Case{4, 20}, Case{5, 11}, Case{6, 2}, Case{7, 7},
                        Case{8, 26}, Case{9, 36}, Case{10, 37}, Case{11, std::nullopt}, Case{12, 32}, Case{13, 35},
                        Case{0, 16}, Case{14, 16}, Case{-1, 16}}) {
    EXPECT_EQ(CsidlOfFolderIndex(c.index), c.csidl) << c.index;
  }
}

}  // namespace
}  // namespace pixfarrow
