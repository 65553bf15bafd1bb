// Special folder paths by index and by CSIDL.
#include "library/win/bitmap/special_folder.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <string>

namespace pixfarrow::win {
namespace {

std::wstring WideOf(const ByteSet& bytes) {
  std::wstring text(bytes.size() / 2, L'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * 2);
  return text;
}

std::wstring SystemPath(int csidl) {
  wchar_t path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, path, csidl, FALSE)) return {};
  std::wstring text = path;
  if (!text.empty() && text.back() != L'\\') text += L'\\';
  return text;
}

TEST(SpecialFolder, IndexesAndCsidls) {
  const std::wstring desktop = SystemPath(CSIDL_DESKTOPDIRECTORY);
  ASSERT_FALSE(desktop.empty());
  for (int index : {0, 3, 14, -7}) {
    const ByteSet bytes = SpecialFolderPathUtf16(index);
    ASSERT_GE(bytes.size(), 4u) << index;
    EXPECT_EQ(bytes[bytes.size() - 1], 0);
    EXPECT_EQ(bytes[bytes.size() - 2], 0);
    EXPECT_EQ(WideOf(bytes), desktop + L'\0') << index;
  }
  EXPECT_EQ(WideOf(SpecialFolderPathUtf16(10)), SystemPath(CSIDL_SYSTEM) + L'\0');
  // A CSIDL given takes precedence over the index.
  EXPECT_EQ(WideOf(SpecialFolderPathUtf16(3, CSIDL_WINDOWS)), SystemPath(CSIDL_WINDOWS) + L'\0');
  // A CSIDL the system does not know gives nothing.
  EXPECT_TRUE(SpecialFolderPathUtf16(0, 0x7F).empty());
  EXPECT_TRUE(SpecialFolderPath(0, 0x7F).empty());
}

TEST(SpecialFolder, TemporaryFolderEndsInABackslash) {
  char temp[MAX_PATH] = {};
  ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
  const std::string path = SpecialFolderPath(11);
  EXPECT_EQ(path, temp);
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(path.back(), '\\');
}

TEST(SpecialFolder, Utf16ToGbkText) {
  const std::wstring text = L"新位图操作类_载入位图.bmp";
  ByteSet utf16(text.size() * 2);
  std::memcpy(utf16.data(), text.data(), utf16.size());
  const std::string gbk = Utf16ToGbkText(utf16);
  EXPECT_EQ(gbk.substr(0, 2), "\xD0\xC2");  // 新
  EXPECT_EQ(gbk.size(), 2 * 10 + 5);  // ten characters of two bytes, "_.bmp"
  EXPECT_TRUE(Utf16ToGbkText({}).empty());
  EXPECT_TRUE(Utf16ToGbkText(ByteSet{0, 0, 'a', 0}).empty());  // stops at the first zero unit
  EXPECT_EQ(Utf16ToGbkText(ByteSet{'a', 0, 'b'}), "a");      // an odd last byte is no unit
}

}  // namespace
}  // namespace pixfarrow::win
