// The run button of the built program with the real library, against the WeChat stand-in.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/core/control_centre_design.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/standin_client.h"
#include "tests/win/app/centre_windows.h"
#include "tests/win/app/child_program.h"
#include "tests/win/app/program_folder.h"
#include "tests/win/library/pixfarrow_dll.h"

namespace qv::test {
namespace {

using quorvela::control_centre::kRunLogBox;
using quorvela::control_centre::kRunNowButton;

const std::wstring kIdleCaption = L"立刻运行 当前:未运行";
const std::wstring kRunningCaption = L"立刻运行 当前:已运行";
const std::wstring kWindowFound = L"[提示]已找到微信窗口，请保持非最小化状态";
const std::wstring kWindowError = L"[错误]没有找到微信窗口，请您打开微信";
const std::wstring kTargetError = L"[错误]您还没有截取目标图，请点击旁边截图按钮";
const std::wstring kStarted = L"[提示]软件已运行";
const std::wstring kStopped = L"[提示]软件已停止运行";

// Two colours in a checkerboard: nowhere in the stand-in's scene.
std::vector<std::uint8_t> Target() {
  return MakeBmp24(16, 16, [](int x, int y) { return (x + y) % 2 ? 0xC81E28u : 0x14B45Au; });
}

bool WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  return ok;
}

std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::wstring line;
  for (wchar_t c : text) {
    if (c == L'\r' || c == L'\n') {
      if (!line.empty()) lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

bool Eventually(const std::function<bool()>& condition, DWORD timeoutMs = 10000) {
  const ULONGLONG until = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() > until) return false;
    Sleep(20);
  }
  return true;
}

// Pixels of the button as the screen shows it in the orange of the running face (image
// 508); the idle face (507) is grey.
int RunningFacePixels(HWND button) {
  RECT rect{};
  GetWindowRect(button, &rect);
  HDC screen = GetDC(nullptr);
  int orange = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      const COLORREF c = GetPixel(screen, x, y);
      orange += GetRValue(c) > 200 && GetGValue(c) > 40 && GetGValue(c) < 160 && GetBValue(c) < 90;
    }
  }
  ReleaseDC(nullptr, screen);
  return orange;
}

int EnterPresses(const StandInRecord& record, unsigned message) {
  int count = 0;
  for (const auto& m : record.messages) count += m.message == message && m.wParam == VK_RETURN;
  return count;
}

// A copy of the built program with the built library, and the target file when given;
// started with its control centre in place, closed at the end.
class ProgramWithLibrary {
 public:
  ProgramWithLibrary(const std::wstring& label, const std::vector<std::uint8_t>& target) : folder_(label) {
    EXPECT_TRUE(folder_.copyIn(builtProgramPath(), L"Quorvela.exe"));
    EXPECT_TRUE(folder_.copyIn(PixfarrowDllPath(), L"模块\\Pixfarrow.dll"));
    if (!target.empty()) {
      EXPECT_TRUE(WriteWholeFile(folder_.path() + L"\\目标图.bmp", target));
    }
    child_ = std::make_unique<ChildProgram>(folder_.path() + L"\\Quorvela.exe", folder_.path());
    form_ = child_->waitForWindow();
    if (form_) page_ = settledPage(form_, kContentPanelId);
  }
  ~ProgramWithLibrary() {
    PostMessageW(form_, WM_CLOSE, 0, 0);
    EXPECT_EQ(child_->waitForExit(), 0u);
  }

  // The control centre is in place and the start-up search has written its line.
  bool started() const { return page_ != nullptr && logGrowsTo(1); }
  void clickRun() const {
    HWND button = centreControl(page_, kRunNowButton);
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  }
  std::wstring caption() const { return controlText(centreControl(page_, kRunNowButton)); }
  int runningFacePixels() const {
    // Pointer away, so that no button shows its hover face.
    SetCursorPos(0, 0);
    Sleep(300);
    return RunningFacePixels(centreControl(page_, kRunNowButton));
  }
  std::vector<std::wstring> log() const { return Lines(controlText(centreControl(page_, kRunLogBox))); }
  bool logGrowsTo(std::size_t lines, DWORD timeoutMs = 10000) const {
    return Eventually([&] { return log().size() >= lines; }, timeoutMs);
  }

 private:
  TempFolder folder_;
  std::unique_ptr<ChildProgram> child_;
  HWND form_ = nullptr;
  HWND page_ = nullptr;
};

TEST(QuorvelaRunNow, IdleClickRunsUntilTheTargetShowsThenOneBurstAndTheTickStops) {
  StandIn standin;
  ASSERT_NE(standin.window(), nullptr);
  const ProgramWithLibrary program(L"run_hit", Target());
  ASSERT_TRUE(program.started());
  EXPECT_EQ(program.log(), std::vector<std::wstring>{kWindowFound});

  program.clickRun();
  ASSERT_TRUE(program.logGrowsTo(2));
  EXPECT_EQ(program.log().back(), kStarted);
  EXPECT_EQ(program.caption(), kRunningCaption);
  Sleep(1500);  // rounds go on, the gauge ticks; nothing is sent yet
  EXPECT_EQ(standin.ReadRecord().messages.size(), 0u);
  EXPECT_EQ(program.log().size(), 2u);

  // What covers WeChat is captured with it: the stand-in comes to the top, as the chat the
  // user watches.
  SetWindowPos(standin.window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ASSERT_TRUE(standin.PaintTarget(Target(), 300, 200));
  const StandInRecord record = standin.WaitForMessages(2000, 20000);
  EXPECT_EQ(EnterPresses(record, WM_KEYDOWN), 1000);
  EXPECT_EQ(EnterPresses(record, WM_KEYUP), 1000);
  ASSERT_TRUE(program.logGrowsTo(3));
  EXPECT_EQ(program.log(), (std::vector<std::wstring>{kWindowFound, kStarted, kStopped}));
  EXPECT_EQ(program.caption(), kIdleCaption);
  Sleep(1500);  // the worker ended: no second burst, no further line
  EXPECT_EQ(standin.ReadRecord().messages.size(), 2000u);
  EXPECT_EQ(program.log().size(), 3u);
}

TEST(QuorvelaRunNow, ClickWhileRunningStopsItAndOnlyTheTickWritesALineAndResetsTheFace) {
  StandIn standin;
  ASSERT_NE(standin.window(), nullptr);
  const ProgramWithLibrary program(L"run_stop", Target());
  ASSERT_TRUE(program.started());
  EXPECT_EQ(program.runningFacePixels(), 0);
  program.clickRun();
  ASSERT_TRUE(program.logGrowsTo(2));
  EXPECT_GT(program.runningFacePixels(), 20);
  program.clickRun();
  ASSERT_TRUE(program.logGrowsTo(3, 3000)) << "the next tick reports the stop";
  EXPECT_EQ(program.log(), (std::vector<std::wstring>{kWindowFound, kStarted, kStopped}));
  EXPECT_EQ(program.caption(), kIdleCaption);
  EXPECT_EQ(program.runningFacePixels(), 0);
  EXPECT_EQ(standin.ReadRecord().messages.size(), 0u);
}

TEST(QuorvelaRunNow, ClickWithWeChatClosedWritesOnlyTheWindowErrorAndTheRunGoesOn) {
  auto standin = std::make_unique<StandIn>();
  ASSERT_NE(standin->window(), nullptr);
  const ProgramWithLibrary program(L"run_closed", Target());
  ASSERT_TRUE(program.started());
  program.clickRun();
  ASSERT_TRUE(program.logGrowsTo(2));
  standin->Close();
  program.clickRun();
  ASSERT_TRUE(program.logGrowsTo(3));
  Sleep(2500);  // two ticks: the run is still on
  EXPECT_EQ(program.log(), (std::vector<std::wstring>{kWindowFound, kStarted, kWindowError}));
  EXPECT_EQ(program.caption(), kRunningCaption);
}

TEST(QuorvelaRunNow, ClickWithoutATargetWritesTheTargetErrorAndStartsNothing) {
  StandIn standin;
  ASSERT_NE(standin.window(), nullptr);
  const ProgramWithLibrary program(L"run_no_target", {});
  ASSERT_TRUE(program.started());
  program.clickRun();
  ASSERT_TRUE(program.logGrowsTo(2));
  Sleep(1500);
  EXPECT_EQ(program.log(), (std::vector<std::wstring>{kWindowFound, kTargetError}));
  EXPECT_EQ(program.caption(), kIdleCaption);
}

}  // namespace
}  // namespace qv::test
