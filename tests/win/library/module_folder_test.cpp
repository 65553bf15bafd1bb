// The host folder from an ANSI path: GBK characters whose second byte is 0x5C ('\')
// are not separators.
#include "library/win/frame/module_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

using pixfarrow::win::FolderOfAnsiPath;

bool GbkLead(unsigned char b) { return IsDBCSLeadByteEx(936, b) != FALSE; }

TEST(FolderOfAnsiPath, CutsAfterTheLastRealSeparator) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\app\\Quorvela.exe", "C:\\app\\"},
      {"C:\\Quorvela.exe", "C:\\"},
      {"Quorvela.exe", ""},
      {"", ""},
      {"\\\\server\\share\\a.exe", "\\\\server\\share\\"},
      {"C:/app/a.exe", "C:/app/"},
      {"C:\\\xC4\xA3\xBF\xE9\\a.exe", "C:\\\xC4\xA3\xBF\xE9\\"},    // 模块
      {"C:\\\x81\x5C\\a.exe", "C:\\\x81\x5C\\"},                    // 乗: trail byte 0x5C
      {"C:\\dir\\\x81\x5C.exe", "C:\\dir\\"},
      {"C:\\dir\\\x81", "C:\\dir\\"},  // a lead byte at the end stands alone
  };
  for (const auto& [path, folder] : cases) EXPECT_EQ(FolderOfAnsiPath(path, GbkLead), folder) << path;
}

TEST(HostExecutableFolderA, IsTheFolderOfThisProgram) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string folder = pixfarrow::win::HostExecutableFolderA();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_EQ(std::string(path).rfind(folder, 0), 0u);
  EXPECT_EQ(std::string(path).find('\\', folder.size()), std::string::npos);
}

}  // namespace
