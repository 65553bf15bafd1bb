// "目标图.bmp" is read and written in the program's folder, never the current directory.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/win/target_image/target_image_file.h"
#include "common/win/kernel_owners.h"
#include "tests/win/app/program_folder.h"
#include "tests/win/app/target_image/file_folder.h"

namespace qv::test {
namespace {

using quorvela::ByteBuffer;
using quorvela::RunState;
using namespace quorvela::win;

// This test program stands for the program: its folder is the program's folder. The
// current directory is a folder of its own holding a decoy target file.
class TargetImageFile : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteFileW(ownFile_.c_str());
    ASSERT_TRUE(WriteWholeFile(elsewhere_.path() + L"\\目标图.bmp", Pattern(77, 9)));
    GetCurrentDirectoryW(MAX_PATH, before_);
    SetCurrentDirectoryW(elsewhere_.path().c_str());
  }
  void TearDown() override {
    SetCurrentDirectoryW(before_);
    DeleteFileW(ownFile_.c_str());
  }

  const std::wstring ownFile_ = testProgramFolder() + L"\\目标图.bmp";
  TempFolder elsewhere_{L"cwd"};
  wchar_t before_[MAX_PATH] = {};
};

TEST_F(TargetImageFile, PathIsTheProgramFolders) {
  EXPECT_EQ(TargetImagePath(), ownFile_);
}

TEST_F(TargetImageFile, StartUpReadGivesTheWholeFileOrAnEmptyTarget) {
  struct Case {
    const char* label;
    bool present;
    ByteBuffer content;
  };
  const Case cases[] = {{"absent", false, {}}, {"0 bytes", true, {}}, {"5000 bytes", true, Pattern(5000)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    DeleteFileW(ownFile_.c_str());
    if (c.present) {
      ASSERT_TRUE(WriteWholeFile(ownFile_, c.content));
    }
    RunState state;
    state.targetImage.replace(Pattern(3));
    LoadTargetImageFile(state);
    EXPECT_EQ(*state.targetImage.snapshot(), c.content);
  }
}

TEST_F(TargetImageFile, StoreRewritesTheProgramFoldersFileOnly) {
  StoreTargetImageFile(Pattern(5000));
  EXPECT_EQ(PlainRead(ownFile_), Pattern(5000));
  StoreTargetImageFile({});
  EXPECT_NE(GetFileAttributesW(ownFile_.c_str()), INVALID_FILE_ATTRIBUTES) << "an empty file stays";
  EXPECT_TRUE(PlainRead(ownFile_).empty());
  EXPECT_EQ(PlainRead(elsewhere_.path() + L"\\目标图.bmp"), Pattern(77, 9));
}

TEST_F(TargetImageFile, StoreWritesInPlaceWhereTheFileCannotBeReplacedWhole) {
  struct Case {
    const char* label;
    DWORD sharing;  // of another opening, without delete sharing: no rename over it
    bool stored;
  };
  const Case cases[] = {{"open for reading and writing", FILE_SHARE_READ | FILE_SHARE_WRITE, true},
                        {"open without sharing", 0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    ASSERT_TRUE(WriteWholeFile(ownFile_, Pattern(300, 3)));
    {
      const qv::win::UniqueKernelHandle inUse(
          CreateFileW(ownFile_.c_str(), GENERIC_READ, c.sharing, nullptr, OPEN_EXISTING, 0, nullptr));
      ASSERT_TRUE(inUse);
      EXPECT_EQ(StoreTargetImageFile(Pattern(5000)), c.stored);
    }
    EXPECT_EQ(PlainRead(ownFile_), c.stored ? Pattern(5000) : Pattern(300, 3));
  }
}

}  // namespace
}  // namespace qv::test
