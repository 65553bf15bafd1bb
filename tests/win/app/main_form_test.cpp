// The main form of the built program, seen from outside.
#include <gtest/gtest.h>

#include "tests/support/wait_until.h"
#include "tests/win/app/built_program.h"
#include "tests/win/app/session_dpi.h"

namespace qv::test {
namespace {

// One case per DPI; each runs in the session at its DPI (tests/win/app/CMakeLists.txt).
TEST(QuorvelaMainForm, ClientAreaAndPanelsFollowTheDpi) {
  struct Case {
    DWORD dpi;
    LONG width, height, navWidth, contentWidth;
  };
  const Case cases[] = {
      {96, 700, 500, 47, 653},
      {120, 875, 625, 59, 816},
      {144, 1050, 750, 71, 980},
  };
  const Case* c = caseForSessionDpi(cases);
  ASSERT_NE(c, nullptr) << "no case for DPI " << sessionDpi();
  measureInPhysicalPixels();
  BuiltProgram run(L"dpi" + std::to_wstring(c->dpi), {});
  HWND form = run.child().waitForWindow();
  ASSERT_NE(form, nullptr);
  RECT client{};
  GetClientRect(form, &client);
  EXPECT_EQ(client.right - client.left, c->width);
  EXPECT_EQ(client.bottom - client.top, c->height);
  const RECT nav = childRectInParent(form, 102);
  const RECT content = childRectInParent(form, 101);
  EXPECT_EQ(nav.left, 0);
  EXPECT_EQ(nav.top, 0);
  EXPECT_EQ(nav.right - nav.left, c->navWidth);
  EXPECT_EQ(nav.bottom - nav.top, c->height);
  EXPECT_EQ(content.left, c->navWidth);
  EXPECT_EQ(content.right - content.left, c->contentWidth);
  EXPECT_EQ(content.bottom - content.top, c->height);
  PostMessageW(form, WM_CLOSE, 0, 0);
  EXPECT_EQ(run.child().waitForExit(), 0u);
}

TEST(QuorvelaMainForm, FixedFrameCentredOnTheScreen) {
  BuiltProgram run(L"frame", {});
  HWND form = run.child().waitForWindow();
  ASSERT_NE(form, nullptr);
  const LONG_PTR style = GetWindowLongPtrW(form, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(form, GWL_EXSTYLE);
  EXPECT_EQ(style & WS_THICKFRAME, 0) << "no sizing border";
  EXPECT_EQ(style & WS_MAXIMIZEBOX, 0) << "no maximise box";
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE),
            WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE);
  EXPECT_EQ(style & WS_CHILD, 0);
  EXPECT_EQ(exStyle & (WS_EX_CLIENTEDGE | WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME), 0);
  EXPECT_NE(exStyle & WS_EX_CONTROLPARENT, 0);
  EXPECT_EQ(GetWindow(form, GW_OWNER), nullptr);
  EXPECT_EQ(GetMenu(form), nullptr);

  RECT frame{};
  GetWindowRect(form, &frame);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(form, MONITOR_DEFAULTTONEAREST), &monitor);
  EXPECT_EQ(frame.left, (monitor.rcMonitor.left + monitor.rcMonitor.right - (frame.right - frame.left)) / 2);
  EXPECT_EQ(frame.top, (monitor.rcMonitor.top + monitor.rcMonitor.bottom - (frame.bottom - frame.top)) / 2);

  PostMessageW(form, WM_CLOSE, 0, 0);
  EXPECT_EQ(run.child().waitForExit(), 0u);
}

TEST(QuorvelaMainForm, ProgramCarriesIcon100InTheSizesTheFormAsksFor) {
  // WM_GETICON does not answer across processes under Wine, so the icon is checked in the
  // program file itself.
  HMODULE program = LoadLibraryExW(builtProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  for (int metric : {SM_CXICON, SM_CXSMICON}) {
    const int size = GetSystemMetrics(metric);
    HICON icon = static_cast<HICON>(LoadImageW(program, MAKEINTRESOURCEW(100), IMAGE_ICON, size, size, 0));
    EXPECT_NE(icon, nullptr) << size;
    if (icon) DestroyIcon(icon);
  }
  FreeLibrary(program);
}

TEST(QuorvelaMainForm, EscapeDoesNotCloseButClosingEndsWithZero) {
  BuiltProgram run(L"escape", {});
  HWND form = run.child().waitForWindow();
  ASSERT_NE(form, nullptr);
  for (HWND target : {form, GetDlgItem(form, 101)}) {
    PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageW(target, WM_KEYUP, VK_ESCAPE, 0xC0010001);
  }
  EXPECT_FALSE(run.child().waitForExit(500).has_value());
  EXPECT_TRUE(IsWindow(form));
  // The system menu's Close, as the user chooses it.
  PostMessageW(form, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(run.child().waitForExit(), 0u);
}

TEST(QuorvelaMainForm, ContentPanelIsWhiteAndNavigationStripButtonFace) {
  BuiltProgram run(L"colours", {});
  HWND form = run.child().waitForWindow();
  ASSERT_NE(form, nullptr);
  POINT navPoint{20, 250}, contentPoint{400, 250};
  ClientToScreen(form, &navPoint);
  ClientToScreen(form, &contentPoint);
  auto pixel = [](POINT at) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
  };
  // Once the child has painted.
  EXPECT_TRUE(WaitUntil([&] { return pixel(contentPoint) == RGB(255, 255, 255); })) << std::hex << pixel(contentPoint);
  EXPECT_TRUE(WaitUntil([&] { return pixel(navPoint) == GetSysColor(COLOR_BTNFACE); })) << std::hex << pixel(navPoint);
  PostMessageW(form, WM_CLOSE, 0, 0);
  EXPECT_EQ(run.child().waitForExit(), 0u);
}

}  // namespace
}  // namespace qv::test
