// Reading and replacing whole files, as the target image file uses them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "app/win/platform/read_file_bytes.h"
#include "app/win/platform/replace_file_bytes.h"
#include "app/win/platform/write_file_in_place.h"
#include "common/win/kernel_owners.h"
#include "tests/win/app/program_folder.h"
#include "tests/win/app/target_image/file_folder.h"

namespace qv::test {
namespace {

using quorvela::ByteBuffer;
using quorvela::win::ReadFileBytes;
using quorvela::win::ReplaceFileBytes;
using quorvela::win::WriteFileInPlace;

const std::wstring kTarget = L"目标图.bmp";
constexpr std::uint64_t kNoBound = UINT64_MAX;

TEST(ReadFileBytes, WholeFileOrEmpty) {
  TempFolder folder(L"read");
  const std::wstring file = folder.path() + L"\\" + kTarget;
  EXPECT_TRUE(ReadFileBytes(file, kNoBound).empty()) << "missing";
  ASSERT_TRUE(WriteWholeFile(file, {}));
  EXPECT_TRUE(ReadFileBytes(file, kNoBound).empty()) << "0 bytes";
  ASSERT_TRUE(WriteWholeFile(file, Pattern(5000)));
  EXPECT_EQ(ReadFileBytes(file, kNoBound), Pattern(5000));
  EXPECT_EQ(ReadFileBytes(file, 5000), Pattern(5000)) << "as long as the bound";
  EXPECT_TRUE(ReadFileBytes(file, 4999).empty()) << "a byte longer than the bound";
  EXPECT_TRUE(ReadFileBytes(folder.path(), kNoBound).empty()) << "a folder";
}

TEST(ReadFileBytes, ALongFileIsRefusedBeforeAnyMemoryIsTaken) {
  TempFolder folder(L"read_long");
  const std::wstring file = folder.path() + L"\\" + kTarget;
  // 1.5 GB: more than this process could take in one piece.
  ASSERT_TRUE(WriteSparseFile(file, 1'500'000'000));
  EXPECT_TRUE(ReadFileBytes(file, 1 << 20).empty()) << "longer than the bound";
  ASSERT_TRUE(WriteSparseFile(file, 0x80000000LL));
  EXPECT_TRUE(ReadFileBytes(file, kNoBound).empty()) << "longer than a buffer can hold";
}

// Both ways of writing the target file, whole or in place.
TEST(ReplaceFileBytes, EitherWriteLeavesExactlyTheNewBytesAndNothingBeside) {
  struct Writer {
    const char* label;
    bool (*write)(const std::wstring&, const ByteBuffer&);
  };
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
  for (const Writer writer : {Writer{"replaced", ReplaceFileBytes}, Writer{"in place", WriteFileInPlace}}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << writer.label << ", " << c.label);
      TempFolder folder(L"write");
      const std::wstring file = folder.path() + L"\\" + kTarget;
      if (c.old) {
        ASSERT_TRUE(WriteWholeFile(file, *c.old));
      }
      EXPECT_TRUE(writer.write(file, c.next));
      EXPECT_EQ(PlainRead(file), c.next);
      EXPECT_EQ(FileNames(folder.path()), std::vector<std::wstring>{kTarget});
    }
    EXPECT_FALSE(writer.write(L"", Pattern(10)));
  }
}

TEST(ReplaceFileBytes, FailedReplaceKeepsTheOldFileAndLeavesNoTemporary) {
  TempFolder folder(L"fail");
  const std::wstring file = folder.path() + L"\\" + kTarget;
  ASSERT_TRUE(WriteWholeFile(file, Pattern(300, 3)));
  {
    // Open elsewhere without sharing: the rename over it is refused.
    const qv::win::UniqueKernelHandle inUse(
        CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
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

// Where the file cannot be replaced whole, it can still be written over, unless no one
// may write it.
TEST(WriteFileInPlace, FileOpenElsewhere) {
  struct Case {
    const char* label;
    DWORD sharing;  // of the other opening
    bool written;
  };
  const Case cases[] = {
      {"shared for reading and writing, not for deleting", FILE_SHARE_READ | FILE_SHARE_WRITE, true},
      {"not shared", 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    TempFolder folder(L"in_use");
    const std::wstring file = folder.path() + L"\\" + kTarget;
    ASSERT_TRUE(WriteWholeFile(file, Pattern(300, 3)));
    {
      const qv::win::UniqueKernelHandle inUse(
          CreateFileW(file.c_str(), GENERIC_READ, c.sharing, nullptr, OPEN_EXISTING, 0, nullptr));
      ASSERT_TRUE(inUse);
      EXPECT_FALSE(ReplaceFileBytes(file, Pattern(5000)));
      EXPECT_EQ(WriteFileInPlace(file, Pattern(5000)), c.written);
    }
    EXPECT_EQ(PlainRead(file), c.written ? Pattern(5000) : Pattern(300, 3));
    EXPECT_EQ(FileNames(folder.path()), std::vector<std::wstring>{kTarget});
  }
}

// A folder that refuses new files (made so by readonly_folder_test.sh, which names it in
// QV_READONLY_FOLDER and put "old" in its target file): the file cannot be replaced, but
// it takes the new bytes in place.
TEST(ReplaceFileBytes, ReadOnlyFolderKeepsTheOldFileThatThenTakesTheBytesInPlace) {
  const wchar_t* folder = _wgetenv(L"QV_READONLY_FOLDER");
  if (!folder) GTEST_SKIP() << "run by readonly_folder_test.sh";
  const std::wstring file = std::wstring(folder) + L"\\" + kTarget;
  const ByteBuffer old{'o', 'l', 'd'};
  ASSERT_EQ(PlainRead(file), old);
  EXPECT_FALSE(ReplaceFileBytes(file, Pattern(5000)));
  EXPECT_EQ(PlainRead(file), old);
  EXPECT_EQ(FileNames(folder), std::vector<std::wstring>{kTarget});
  EXPECT_TRUE(WriteFileInPlace(file, Pattern(5000)));
  EXPECT_EQ(PlainRead(file), Pattern(5000));
  EXPECT_EQ(FileNames(folder), std::vector<std::wstring>{kTarget});
}

}  // namespace
}  // namespace qv::test
