#pragma once
// A temporary copy of the program with a stand-in library placed as a test case says.
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
// directory left at P shows.
struct QuorvelaRun {
  QuorvelaRun(const std::wstring& label, const std::wstring& stub, const std::wstring& libraryPlace,
              const std::vector<std::wstring>& planted = {})
      : folder(label), startFolder(label + L"_start") {
    EXPECT_TRUE(folder.copyIn(builtProgramPath(), L"Quorvela.exe"));
    if (!stub.empty()) {
      EXPECT_TRUE(folder.copyIn(stubLibraryPath(stub), libraryPlace));
    }
    for (const std::wstring& name : planted) EXPECT_TRUE(folder.copyIn(stubLibraryPath(stub), name));
    child = std::make_unique<ChildProgram>(folder.path() + L"\\Quorvela.exe", startFolder.path());
    EXPECT_TRUE(child->started());
  }

  TempFolder folder;
  TempFolder startFolder;
  std::unique_ptr<ChildProgram> child;
};

}  // namespace qv::test
