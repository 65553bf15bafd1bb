// Reading and replacing whole files, as the target image file uses them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "app/win/framework/read_file_bytes.h"
#include "app/win/framework/replace_file_bytes.h"
#include "tests/support/win_handles.h"
#include "tests/win/app/program_folder.h"
#include "tests/win/app/target_image/file_folder.h"

namespace qv::test {
namespace {

using quorvela::ByteBuffer;
using quorvela::win::ReadFileBytes;
using quorvela::win::ReplaceFileBytes;

const std::wstring kTarget = L"目标图.bmp";

TEST(ReadFileBytes, WholeFileOrEmpty) {
  TempFolder folder(L"read");
  const std::wstring file = folder.path() + L"\\" + kTarget;
  EXPECT_TRUE(ReadFileBytes(file).empty()) << "missing";
  ASSERT_TRUE(WriteWholeFile(file, {}));
  EXPECT_TRUE(ReadFileBytes(file).empty()) << "0 bytes";
  ASSERT_TRUE(WriteWholeFile(file, Pattern(5000)));
  EXPECT_EQ(ReadFileBytes(file), Pattern(5000));
  EXPECT_TRUE(ReadFileBytes(folder.path()).empty()) << "a folder";
  {
    // Longer than this 32-bit process can hold (sparse, so it costs no disk).
    const UniqueHandle huge(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(huge);
    LARGE_INTEGER size{};
    size.QuadPart = 0x7FFFFFF0;
    ASSERT_TRUE(SetFilePointerEx(huge.get(), size, nullptr, FILE_BEGIN) && SetEndOfFile(huge.get()));
  }
  EXPECT_TRUE(ReadFileBytes(file).empty()) << "too large to hold";
}

TEST(ReplaceFileBytes, FileHoldsExactlyTheNewBytesAndNothingIsLeftBeside) {
  struct Case {
    const char* label;
    std::optional<ByteBuffer> old;
    ByteBuffer next;
  };
  const Case cases[] = {
      {"no old file", std::nullopt, Pattern(5000)},
      {"longer old file", Pattern(9000, 7), Pattern(5000)},
      {"shorter old file", Pattern(10, 7), Pattern(5000)},
      {"empty target", Pattern(5000, 7), {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    TempFolder folder(L"replace");
    const std::wstring file = folder.path() + L"\\" + kTarget;
    if (c.old) {
      ASSERT_TRUE(WriteWholeFile(file, *c.old));
    }
    EXPECT_TRUE(ReplaceFileBytes(file, c.next));
    EXPECT_EQ(PlainRead(file), c.next);
    EXPECT_EQ(FileNames(folder.path()), std::vector<std::wstring>{kTarget});
  }
}

TEST(ReplaceFileBytes, FailedReplaceKeepsTheOldFileAndLeavesNoTemporary) {
  TempFolder folder(L"fail");
  const std::wstring file = folder.path() + L"\\" + kTarget;
  ASSERT_TRUE(WriteWholeFile(file, Pattern(300, 3)));
  {
    // Open elsewhere without sharing: the rename over it is refused.
    const UniqueHandle inUse(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(inUse);
    EXPECT_FALSE(ReplaceFileBytes(file, Pattern(5000)));
  }
  EXPECT_EQ(PlainRead(file), Pattern(300, 3));
  EXPECT_EQ(FileNames(folder.path()), std::vector<std::wstring>{kTarget});

  const std::wstring missingFolder = folder.path() + L"\\gone\\" + kTarget;
  EXPECT_FALSE(ReplaceFileBytes(missingFolder, Pattern(10)));
  EXPECT_FALSE(ReplaceFileBytes(L"", Pattern(10)));

  const std::wstring aFolder = folder.path() + L"\\sub";
  ASSERT_TRUE(CreateDirectoryW(aFolder.c_str(), nullptr));
  EXPECT_FALSE(ReplaceFileBytes(aFolder, Pattern(10)));
  EXPECT_EQ(FileNames(folder.path()), (std::vector<std::wstring>{L"sub", kTarget}));
}

// A folder that refuses new files (made so by readonly_folder_test.sh, which names it in
// QV_READONLY_FOLDER and put "old" in its target file).
TEST(ReplaceFileBytes, ReadOnlyFolderKeepsTheOldFile) {
  const wchar_t* folder = _wgetenv(L"QV_READONLY_FOLDER");
  if (!folder) GTEST_SKIP() << "run by readonly_folder_test.sh";
  const std::wstring file = std::wstring(folder) + L"\\" + kTarget;
  const ByteBuffer old{'o', 'l', 'd'};
  ASSERT_EQ(PlainRead(file), old);
  EXPECT_FALSE(ReplaceFileBytes(file, Pattern(5000)));
  EXPECT_EQ(PlainRead(file), old);
  EXPECT_EQ(FileNames(folder), std::vector<std::wstring>{kTarget});
}

}  // namespace
}  // namespace qv::test
