// Start-up of the built program: binding the library, and the box of a failed start.
#include <windows.h>
// After windows.h.
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/win/app/built_program.h"

namespace qv::test {
namespace {

TEST(QuorvelaStart, StubMovesTheCurrentDirectoryWhileItLoads) {
  // The fixture must show the fault it is used for: its start-up moves the directory.
  TempFolder holder(L"stub_check");
  ASSERT_TRUE(holder.copyIn(stubLibraryPath(kFullStub), L"lib.dll"));
  wchar_t before[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, before);
  SetCurrentDirectoryW(holder.path().c_str());
  HMODULE stub = LoadLibraryW((holder.path() + L"\\lib.dll").c_str());
  ASSERT_NE(stub, nullptr);
  wchar_t after[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, after);
  FreeLibrary(stub);
  SetCurrentDirectoryW(before);
  EXPECT_TRUE(sameFolder(after, testProgramFolder())) << after;
}

TEST(QuorvelaStart, BindsAndLeavesTheCurrentDirectoryWhereItStarted) {
  struct Case {
    const wchar_t* label;
    std::wstring place;
  };
  const Case cases[] = {{L"module", kInModuleFolder}, {L"beside", kBesideProgram}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "library " << c.label);
    BuiltProgram run(c.label, {.libraryPlace = c.place});
    HWND form = run.child().waitForWindow();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(windowText(form), L"Quorvela2025版");
    const auto directory = run.child().currentDirectory();
    ASSERT_TRUE(directory.has_value());
    EXPECT_TRUE(sameFolder(*directory, run.startFolder())) << *directory;
    PostMessageW(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.child().waitForExit(), 0u);
  }
}

TEST(QuorvelaStart, FailedBindingShowsOnlyTheErrorBoxAndExitsMinusOne) {
  struct Case {
    const wchar_t* label;
    std::wstring stub;
    std::wstring place;
    std::wstring text;
  };
  const Case cases[] = {
      {L"none", L"", L"",
       L"俘获到异常,代码值为: -1, 描述为: 载入运行时所需要的外部动态链接库文件\"模块\\Pixfarrow.dll\"失败!"},
      {L"no_zt", kStubWithoutZt, kInModuleFolder,
       L"俘获到异常,代码值为: -1, 描述为: 在外部动态链接库\"模块\\Pixfarrow.dll\"中未找到所需要的输出函数\"ZT\"!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    BuiltProgram run(c.label, {.library = c.stub, .libraryPlace = c.place});
    HWND box = run.child().waitForWindow();
    ASSERT_NE(box, nullptr);
    Sleep(200);  // a second window, if any, would show by now
    EXPECT_EQ(run.child().visibleWindows().size(), 1u);
    EXPECT_EQ(windowText(box), L"运行时异常");
    const auto texts = childTexts(box);
    EXPECT_NE(std::find(texts.begin(), texts.end(), c.text), texts.end());
    EXPECT_FALSE(run.child().waitForExit(0).has_value());  // the box waits for the user
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(run.child().waitForExit(), 0xFFFFFFFFu);
  }
}

// The child's modules that were loaded from the folder.
std::vector<std::wstring> ModulesFrom(DWORD processId, const std::wstring& folder) {
  std::vector<std::wstring> names;
  const qv::win::UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
  MODULEENTRY32W module{};
  module.dwSize = sizeof module;
  for (BOOL more = snapshot && Module32FirstW(snapshot.get(), &module); more; more = Module32NextW(snapshot.get(), &module)) {
    std::wstring path = module.szExePath;
    const auto cut = path.rfind(L'\\');
    if (cut != std::wstring::npos && sameFolder(path.substr(0, cut), folder)) names.push_back(path.substr(cut + 1));
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The rich edit's library is loaded by the program alone. (SHCore.dll, which the program
// loads the same way, cannot be planted here: Wine's SHLWAPI imports it, and Wine takes an
// import from the program's folder too, where Windows takes it from its known libraries.)
TEST(QuorvelaStart, SystemLibrariesComeFromTheSystemFolderNotTheProgramsFolder) {
  // A copy planted beside the program under the name of the system's library.
  BuiltProgram run(L"planted", {.planted = {L"riched20.dll"}});
  HWND form = run.child().waitForWindow();
  ASSERT_NE(form, nullptr);
  // The program's own library is in its sub-folder.
  EXPECT_EQ(ModulesFrom(run.child().id(), run.folder()), std::vector<std::wstring>{L"Quorvela.exe"});
  PostMessageW(form, WM_CLOSE, 0, 0);
  EXPECT_EQ(run.child().waitForExit(), 0u);
}

}  // namespace
}  // namespace qv::test
