#include "tests/win/app/program_with_library.h"

#include <gtest/gtest.h>

#include "app/core/control_centre/control_centre_design.h"
#include "tests/support/bmp_builder.h"
#include "tests/win/app/centre_windows.h"
#include "tests/win/library/pixfarrow_dll.h"

namespace qv::test {

namespace {

bool WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  return ok;
}

}  // namespace

std::vector<std::uint8_t> Target() {
  return MakeBmp24(16, 16, [](int x, int y) { return (x + y) % 2 ? 0xC81E28u : 0x14B45Au; });
}

int EnterPresses(const StandInRecord& record, unsigned message) {
  int count = 0;
  for (const auto& m : record.messages) count += m.message == message && m.wParam == VK_RETURN;
  return count;
}

ProgramWithLibrary::ProgramWithLibrary(const std::wstring& label, const std::vector<std::uint8_t>& target)
    : folder_(label) {
  EXPECT_TRUE(folder_.copyIn(builtProgramPath(), L"Quorvela.exe"));
  EXPECT_TRUE(folder_.copyIn(PixfarrowDllPath(), L"模块\\Pixfarrow.dll"));
  if (!target.empty()) {
    EXPECT_TRUE(WriteWholeFile(folder_.path() + L"\\目标图.bmp", target));
  }
  child_ = std::make_unique<ChildProgram>(folder_.path() + L"\\Quorvela.exe", folder_.path());
  form_ = child_->waitForWindow();
  if (form_) page_ = settledPage(form_, kContentPanelId);
}

ProgramWithLibrary::~ProgramWithLibrary() {
  if (ended_) return;
  PostMessageW(form_, WM_CLOSE, 0, 0);
  EXPECT_EQ(child_->waitForExit(), 0u);
}

std::optional<DWORD> ProgramWithLibrary::quit(WPARAM exitCode, DWORD timeoutMs) {
  PostThreadMessageW(GetWindowThreadProcessId(form_, nullptr), WM_QUIT, exitCode, 0);
  const auto code = child_->waitForExit(timeoutMs);
  ended_ = code.has_value();
  return code;
}

HWND ProgramWithLibrary::control(int id) const { return centreControl(page_, id); }

void ProgramWithLibrary::click(int id) const {
  HWND button = control(id);
  PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
}

std::wstring ProgramWithLibrary::text(int id) const { return controlText(control(id)); }

void ProgramWithLibrary::clickRun() const { click(quorvela::control_centre::kRunNowButton); }

std::wstring ProgramWithLibrary::caption() const { return text(quorvela::control_centre::kRunNowButton); }

std::vector<std::wstring> ProgramWithLibrary::log() const {
  return textLines(text(quorvela::control_centre::kRunLogBox));
}

GaugeRing ProgramWithLibrary::gaugeRing() const { return gaugeRingAtATenth(page_); }

bool ProgramWithLibrary::logGrowsTo(std::size_t lines) const {
  return WaitUntil([&] { return log().size() >= lines; });
}

}  // namespace qv::test
