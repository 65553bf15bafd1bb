#pragma once
// A temporary copy of the program with a stand-in library placed as a test case says.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/win/app/child_program.h"
#include "tests/win/app/program_folder.h"

namespace qv::test {

inline const std::wstring kFullStub = L"qv_stub_pixfarrow.dll";
inline const std::wstring kStubWithoutZt = L"qv_stub_pixfarrow_no_zt.dll";
inline const std::wstring kInModuleFolder = L"模块\\Pixfarrow.dll";
inline const std::wstring kBesideProgram = L"Pixfarrow.dll";

// Program folder P with Quorvela.exe and, when given, a library at P\libraryPlace (and
// copies of it at P\planted...); the program starts in a folder of its own, so a current
// directory left at P shows. With watchPage, the stand-in library writes what reaches the
// control-centre page (its stub_page_events.txt).
struct QuorvelaRun {
  QuorvelaRun(const std::wstring& label, const std::wstring& stub, const std::wstring& libraryPlace,
              const std::vector<std::wstring>& planted = {}, bool watchPage = false)
      : folder(label), startFolder(label + L"_start") {
    EXPECT_TRUE(folder.copyIn(builtProgramPath(), L"Quorvela.exe"));
    if (!stub.empty()) {
      EXPECT_TRUE(folder.copyIn(stubLibraryPath(stub), libraryPlace));
    }
    for (const std::wstring& name : planted) EXPECT_TRUE(folder.copyIn(stubLibraryPath(stub), name));
    if (watchPage) {
      const HANDLE events = CreateFileW(pageEventsPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
      EXPECT_NE(events, INVALID_HANDLE_VALUE);
      CloseHandle(events);
    }
    child = std::make_unique<ChildProgram>(folder.path() + L"\\Quorvela.exe", startFolder.path());
    EXPECT_TRUE(child->started());
  }

  std::wstring pageEventsPath() const { return folder.path() + L"\\stub_page_events.txt"; }
  // What has reached the control-centre page so far, in order: "shown" or "left N".
  std::vector<std::string> pageEvents() const;

  TempFolder folder;
  TempFolder startFolder;
  std::unique_ptr<ChildProgram> child;
};

// The events of a page that is shown and slides into place: from 200 pixels right of its
// place, 13 pixels a step, the last step to -8, then put at 0.
std::vector<std::string> ShownAndSlidIn();

}  // namespace qv::test
