// How the program ends while its automation worker is inside the library: at once, with
// its exit code, and without freeing the library under that call.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/win/app/quorvela_run.h"
#include "tests/win/app/stub_library/busy_stub.h"

namespace qv::test {
namespace {

const std::wstring kBusyStub = L"qv_stub_pixfarrow_busy.dll";

// The guard of the message loop shows its box, then ends the process as a close does.
TEST(GuardedExit, EndsAtOnceAfterTheBoxWhileAThreadIsInsideTheLibrary) {
  TempFolder folder(L"guarded_exit");
  ASSERT_TRUE(folder.copyIn(testProgramFolder() + L"\\qv_guarded_exit_probe.exe", L"probe.exe"));
  ASSERT_TRUE(folder.copyIn(stubLibraryPath(kBusyStub), kInModuleFolder));
  ChildProgram probe(folder.path() + L"\\probe.exe", folder.path());
  HWND box = probe.waitForWindow();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(windowText(box), L"运行时异常");
  const auto texts = childTexts(box);
  EXPECT_NE(std::find(texts.begin(), texts.end(), L"程序在运行时抛出了未被管理的异常"), texts.end());
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  const auto code = probe.waitForExit();
  ASSERT_TRUE(code.has_value());
  EXPECT_NE(*code, kFreedUnderACall) << "the library was freed under the thread's call";
  EXPECT_EQ(*code, 0xFFFFFFFFu);
}

}  // namespace
}  // namespace qv::test
