#include "tests/win/app/built_program.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/core/control_centre/control_centre_design.h"
#include "common/win/direct_gdi.h"
#include "common/win/kernel_owners.h"
#include "tests/support/wait_until.h"
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

BuiltProgram::BuiltProgram(const std::wstring& label, const ProgramLayout& layout)
    : folder_(label), startFolder_(label + L"_start") {
  EXPECT_TRUE(folder_.copyIn(builtProgramPath(), L"Quorvela.exe"));
  if (layout.builtLibrary || !layout.library.empty()) {
    const std::wstring library = layout.builtLibrary ? PixfarrowDllPath() : stubLibraryPath(layout.library);
    EXPECT_TRUE(folder_.copyIn(library, layout.libraryPlace));
    for (const std::wstring& name : layout.planted) {
      EXPECT_TRUE(folder_.copyIn(library, name));
    }
  }
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
  if (layout.watchPage) {
    EXPECT_TRUE(WriteWholeFile(pageEventsPath(), {}));
  }
  child_ = std::make_unique<ChildProgram>(folder_.path() + L"\\Quorvela.exe",
                                          layout.startInProgramFolder ? folder_.path() : startFolder_.path());
  EXPECT_TRUE(child_->started());
  if (!layout.toControlCentre) return;
  form_ = child_->waitForWindow();
  if (form_) page_ = settledPage(form_, kContentPanelId);
}

BuiltProgram::~BuiltProgram() {
  if (!form_ || ended_) return;
  PostMessageW(form_, WM_CLOSE, 0, 0);
  EXPECT_EQ(child_->waitForExit(), 0u);
}

HWND BuiltProgram::control(int id) const { return page_ ? centreControl(page_, id) : nullptr; }

void BuiltProgram::click(int id) const {
  HWND button = control(id);
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, centreOf(button));
  SendMessageW(button, WM_LBUTTONUP, 0, centreOf(button));
}

void BuiltProgram::postClick(int id) const {
  HWND button = control(id);
  PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, centreOf(button));
  PostMessageW(button, WM_LBUTTONUP, 0, centreOf(button));
}

std::wstring BuiltProgram::text(int id) const { return controlText(control(id)); }

std::wstring BuiltProgram::caption() const { return text(quorvela::control_centre::kRunNowButton); }

std::vector<std::wstring> BuiltProgram::logLines() const {
  return textLines(text(quorvela::control_centre::kRunLogBox));
}

bool BuiltProgram::logGrowsTo(std::size_t lines) const {
  return WaitUntil([&] { return logLines().size() >= lines; });
}

std::vector<std::wstring> BuiltProgram::waitForLogLines(std::size_t count) const {
  std::vector<std::wstring> lines;
  WaitUntil([&] { return (lines = logLines()).size() >= count; });
  return lines;
}

GaugeRing BuiltProgram::gaugeRing() const { return gaugeRingAtATenth(page_); }

std::vector<COLORREF> BuiltProgram::previewColours() const {
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

bool BuiltProgram::previewShows(const std::function<bool(const std::vector<COLORREF>&)>& shown) const {
  SetForegroundWindow(form_);
  RedrawWindow(control(quorvela::control_centre::kTargetPreview), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  return WaitUntil([&] { return shown(previewColours()); });
}

std::vector<std::string> BuiltProgram::pageEvents() const {
  std::vector<std::string> events;
  std::ifstream file{std::filesystem::path(pageEventsPath())};
  for (std::string line; std::getline(file, line);) events.push_back(line);
  return events;
}

std::optional<DWORD> BuiltProgram::waitForExit(DWORD timeoutMs) {
  const auto code = child_->waitForExit(timeoutMs);
  ended_ = ended_ || code.has_value();
  return code;
}

std::optional<DWORD> BuiltProgram::quit(WPARAM exitCode, DWORD timeoutMs) {
  PostThreadMessageW(GetWindowThreadProcessId(form_, nullptr), WM_QUIT, exitCode, 0);
  return waitForExit(timeoutMs);
}

std::vector<std::string> ShownAndSlidIn() {
  std::vector<std::string> events{"shown"};
  for (const int left : {200, 187, 174, 161, 148, 135, 122, 109, 96, 83, 70, 57, 44, 31, 18, 5, -8, 0})
    events.push_back("left " + std::to_string(left));
  return events;
}

bool ProgramHasImage(int id) {
  const qv::win::UniqueModule program(LoadLibraryExW(builtProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  return program && FindResourceW(program.get(), MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10)) != nullptr;
}

}  // namespace qv::test
