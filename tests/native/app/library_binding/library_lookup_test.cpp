#include "app/core/library_binding/library_lookup.h"

#include <gtest/gtest.h>

namespace quorvela {
namespace {

using Folder = std::optional<std::string>;

TEST(LibraryLookup, OrderForTheProgramsLibrary) {
  const auto lookups = libraryLookups(Folder("C:\\P"), "模块\\Pixfarrow.dll");
  ASSERT_EQ(lookups.size(), 3u);
  EXPECT_EQ(lookups[0].path, "C:\\P\\模块\\Pixfarrow.dll");
  EXPECT_EQ(lookups[0].switchFolder, Folder("C:\\P\\模块"));
  EXPECT_EQ(lookups[1].path, "C:\\P\\Pixfarrow.dll");
  EXPECT_EQ(lookups[1].switchFolder, Folder("C:\\P"));
  EXPECT_EQ(lookups[2].path, "模块\\Pixfarrow.dll");
  EXPECT_EQ(lookups[2].switchFolder, std::nullopt);  // the system's search, no switch
}

TEST(LibraryLookup, Cases) {
  struct Case {
    Folder folder;
    std::string written;
    std::vector<std::string> paths;
  };
  const Case cases[] = {
      // Without a program folder only the path as written is tried.
      {std::nullopt, "模块\\Pixfarrow.dll", {"模块\\Pixfarrow.dll"}},
      // A bare file name: no second lookup.
      {Folder("C:\\P"), "x.dll", {"C:\\P\\x.dll", "x.dll"}},
      // An absolute path is used unchanged, so there is no third lookup.
      {Folder("C:\\P"), "D:\\lib\\x.dll", {"D:\\lib\\x.dll", "C:\\P\\x.dll"}},
      {Folder("C:\\P"), "\\lib\\x.dll", {"\\lib\\x.dll", "C:\\P\\x.dll"}},
      // Dot segments are resolved after joining.
      {Folder("C:\\P\\bin"), ".\\a\\..\\..\\x.dll", {"C:\\P\\x.dll", "C:\\P\\bin\\x.dll", ".\\a\\..\\..\\x.dll"}},
      // ".." never climbs above the drive root.
      {Folder("C:\\P"), "..\\..\\..\\x.dll", {"C:\\x.dll", "C:\\P\\x.dll", "..\\..\\..\\x.dll"}},
      // A network folder: its root is the share.
      {Folder("\\\\server\\share\\app"), "模块\\Pixfarrow.dll",
       {"\\\\server\\share\\app\\模块\\Pixfarrow.dll", "\\\\server\\share\\app\\Pixfarrow.dll", "模块\\Pixfarrow.dll"}},
      {Folder("\\\\server\\share\\app"), "..\\..\\..\\x.dll",
       {"\\\\server\\share\\x.dll", "\\\\server\\share\\app\\x.dll", "..\\..\\..\\x.dll"}},
      {Folder("\\\\server\\share\\"), "模块\\P.dll", {"\\\\server\\share\\模块\\P.dll", "\\\\server\\share\\P.dll", "模块\\P.dll"}},
      // A "\\?\" folder is joined as it stands: the system resolves no dot in it.
      {Folder("\\\\?\\C:\\app"), "模块\\Pixfarrow.dll",
       {"\\\\?\\C:\\app\\模块\\Pixfarrow.dll", "\\\\?\\C:\\app\\Pixfarrow.dll", "模块\\Pixfarrow.dll"}},
      {Folder("\\\\?\\C:\\app"), ".\\a\\..\\x.dll", {"\\\\?\\C:\\app\\.\\a\\..\\x.dll", "\\\\?\\C:\\app\\x.dll", ".\\a\\..\\x.dll"}},
      {Folder("\\\\?\\C:\\"), "模块\\P.dll", {"\\\\?\\C:\\模块\\P.dll", "\\\\?\\C:\\P.dll", "模块\\P.dll"}},
      {Folder("\\\\?\\UNC\\server\\share\\app"), "模块\\P.dll",
       {"\\\\?\\UNC\\server\\share\\app\\模块\\P.dll", "\\\\?\\UNC\\server\\share\\app\\P.dll", "模块\\P.dll"}},
  };
  for (const auto& c : cases) {
    const auto lookups = libraryLookups(c.folder, c.written);
    std::vector<std::string> paths;
    for (const auto& l : lookups) paths.push_back(l.path);
    EXPECT_EQ(paths, c.paths) << c.written;
  }
}

TEST(LibraryLookup, AbsolutePaths) {
  for (const char* path : {"C:\\x", "z:\\", "\\x", "\\\\server\\share\\x"}) EXPECT_TRUE(isAbsoluteLibraryPath(path)) << path;
  for (const char* path : {"", "x", "C:x", "1:\\x", "模块\\x", "C:/x"}) EXPECT_FALSE(isAbsoluteLibraryPath(path)) << path;
}

TEST(LibraryLookup, FolderOfFile) {
  struct Case {
    std::string file;
    Folder folder;
  };
  const Case cases[] = {
      {"C:\\P\\Quorvela.exe", Folder("C:\\P")},
      {"C:\\Quorvela.exe", Folder("C:\\")},  // a root keeps its "\"
      {"\\x.dll", Folder("\\")},
      {"Quorvela.exe", std::nullopt},
      {"\\\\server\\share\\app\\Quorvela.exe", Folder("\\\\server\\share\\app")},
      {"\\\\server\\share\\Quorvela.exe", Folder("\\\\server\\share\\")},
      {"\\\\?\\C:\\app\\Quorvela.exe", Folder("\\\\?\\C:\\app")},
      {"\\\\?\\C:\\Quorvela.exe", Folder("\\\\?\\C:\\")},
      {"\\\\?\\UNC\\server\\share\\Quorvela.exe", Folder("\\\\?\\UNC\\server\\share\\")},
  };
  for (const auto& c : cases) EXPECT_EQ(folderOfFile(c.file), c.folder) << c.file;
}

TEST(LibraryLookup, ANetworkLibraryLoadsWithTheCurrentDirectoryInItsFolder) {
  const auto lookups = libraryLookups(Folder("\\\\server\\share\\app"), "模块\\Pixfarrow.dll");
  ASSERT_EQ(lookups.size(), 3u);
  EXPECT_EQ(lookups[0].switchFolder, Folder("\\\\server\\share\\app\\模块"));
  EXPECT_EQ(lookups[1].switchFolder, Folder("\\\\server\\share\\app"));
}

}  // namespace
}  // namespace quorvela
