// How the program ends while its automation worker is inside the library: at once, with
// its exit code, and without freeing the library under that call.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/core/control_centre/control_centre_design.h"
#include "tests/support/bmp_builder.h"
#include "tests/win/app/centre_windows.h"
#include "tests/win/app/built_program.h"
#include "tests/win/app/stub_library/busy_stub.h"
#include "tests/win/app/target_image/file_folder.h"

namespace qv::test {
namespace {

// Set once the stand-in library of the process is inside ZT.
class InsideZt {
 public:
  explicit InsideZt(DWORD processId)
      : event_(CreateEventW(nullptr, TRUE, FALSE, BusyStubEventName(processId).c_str())) {}
  bool wait() const { return WaitForSingleObject(event_.get(), 20000) == WAIT_OBJECT_0; }

 private:
  qv::win::UniqueKernelHandle event_;
};

TEST(QuorvelaExit, EndsAtOnceWithItsCodeWhileTheWorkerIsInsideTheLibrary) {
  struct Case {
    const wchar_t* label;
    bool quitMessage;  // else the main form is closed
    DWORD exitCode;
  };
  const Case cases[] = {{L"quit", true, 7}, {L"close", false, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    BuiltProgram program(std::wstring(L"exit_") + c.label,
                         {.library = kBusyStub,
                          .targetFile = MakeBmp24(8, 8, [](int, int) { return 0x2080E0u; }),
                          .startInProgramFolder = true,
                          .toControlCentre = true});
    const InsideZt inside(program.child().id());
    ASSERT_TRUE(program.ready());
    program.postClick(quorvela::control_centre::kRunNowButton);
    ASSERT_TRUE(inside.wait()) << "the run's first round calls ZT";

    if (c.quitMessage) {
      PostThreadMessageW(GetWindowThreadProcessId(program.form(), nullptr), WM_QUIT, c.exitCode, 0);
    } else {
      PostMessageW(program.form(), WM_CLOSE, 0, 0);
    }
    const auto code = program.waitForExit();
    ASSERT_TRUE(code.has_value());
    EXPECT_NE(*code, kFreedUnderACall) << "the library was freed under the worker's call";
    EXPECT_EQ(*code, c.exitCode);
  }
}

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
