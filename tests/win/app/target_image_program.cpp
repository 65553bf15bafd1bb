#include "tests/win/app/target_image_program.h"

#include <gtest/gtest.h>

#include "app/core/control_centre/control_centre_design.h"
#include "common/win/direct_gdi.h"
#include "common/win/kernel_owners.h"
#include "tests/support/wait_until.h"
#include "tests/win/app/centre_windows.h"
#include "tests/win/app/target_image/file_folder.h"
#include "tests/win/library/pixfarrow_dll.h"

namespace qv::test {

namespace {

LPARAM centreOf(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return MAKELPARAM(client.right / 2, client.bottom / 2);
}

}  // namespace

TargetProgram::TargetProgram(const std::wstring& label, const TargetProgramLayout& layout)
    : folder_(label), startFolder_(label + L"_start") {
  EXPECT_TRUE(folder_.copyIn(builtProgramPath(), L"Quorvela.exe"));
  EXPECT_TRUE(folder_.copyIn(layout.realLibrary ? PixfarrowDllPath() : stubLibraryPath(L"qv_stub_pixfarrow.dll"),
                             L"模块\\Pixfarrow.dll"));
  if (layout.targetFile) {
    EXPECT_TRUE(WriteWholeFile(targetPath(), *layout.targetFile));
  } else if (layout.sparseTargetFile > 0) {
    EXPECT_TRUE(WriteSparseFile(targetPath(), layout.sparseTargetFile));
  }
  if (layout.captureBytes) {
    EXPECT_TRUE(WriteWholeFile(folder_.path() + L"\\stub_capture.bin", *layout.captureBytes));
  }
  if (layout.captureText) {
    EXPECT_TRUE(WriteWholeFile(folder_.path() + L"\\stub_capture.txt",
                               quorvela::ByteBuffer(layout.captureText->begin(), layout.captureText->end())));
  }
  child_ = std::make_unique<ChildProgram>(folder_.path() + L"\\Quorvela.exe", startFolder_.path());
  form_ = child_->waitForWindow();
  if (form_) page_ = settledPage(form_, kContentPanelId);
}

TargetProgram::~TargetProgram() {
  if (form_) {
    PostMessageW(form_, WM_CLOSE, 0, 0);
    EXPECT_EQ(child_->waitForExit(), 0u);
  }
}

HWND TargetProgram::control(int id) const { return page_ ? centreControl(page_, id) : nullptr; }

void TargetProgram::click(int id) const {
  HWND button = control(id);
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, centreOf(button));
  SendMessageW(button, WM_LBUTTONUP, 0, centreOf(button));
}

void TargetProgram::postClick(int id) const {
  HWND button = control(id);
  PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, centreOf(button));
  PostMessageW(button, WM_LBUTTONUP, 0, centreOf(button));
}

std::vector<std::wstring> TargetProgram::logLines() const {
  return textLines(controlText(control(quorvela::control_centre::kRunLogBox)));
}

std::vector<std::wstring> TargetProgram::waitForLogLines(std::size_t count) const {
  std::vector<std::wstring> lines;
  WaitUntil([&] { return (lines = logLines()).size() >= count; });
  return lines;
}

std::vector<COLORREF> TargetProgram::previewColours() const {
  RECT rect{};
  GetWindowRect(control(quorvela::control_centre::kTargetPreview), &rect);
  const qv::win::DirectGdi::WindowDc screen(nullptr);
  std::vector<COLORREF> colours;
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      colours.push_back(GetPixel(screen.get(), rect.left + (rect.right - rect.left) * i / 4,
                                 rect.top + (rect.bottom - rect.top) * j / 4));
    }
  }
  return colours;
}

bool TargetProgram::previewShows(const std::function<bool(const std::vector<COLORREF>&)>& shown) const {
  SetForegroundWindow(form_);
  RedrawWindow(control(quorvela::control_centre::kTargetPreview), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  return WaitUntil([&] { return shown(previewColours()); });
}

bool ProgramHasImage(int id) {
  const qv::win::UniqueModule program(LoadLibraryExW(builtProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  return program && FindResourceW(program.get(), MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10)) != nullptr;
}

}  // namespace qv::test
