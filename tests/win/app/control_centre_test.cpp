// The navigation bar and the control-centre page of the built program, seen from outside.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/core/control_centre/control_centre_design.h"
#include "app/core/navigation/navigation_bar_design.h"
#include "tests/support/screen_pixels.h"
#include "tests/support/wait_until.h"
#include "tests/win/app/centre_windows.h"
#include "tests/win/app/built_program.h"
#include "tests/win/app/session_dpi.h"

namespace qv::test {
namespace {

using namespace quorvela;
using namespace quorvela::control_centre;

struct Placed {
  LONG left, top, width, height;
  bool operator==(const Placed&) const = default;
};

Placed placedIn(HWND parent, int id) {
  const RECT rect = childRectInParent(parent, id);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// Whether events end with a page slid into place: a move to 200 earlier, the last to 0.
bool slidIntoPlace(const std::vector<std::string>& events) {
  return !events.empty() && events.back() == "left 0" &&
         std::find(events.begin(), events.end(), "left 200") != events.end();
}

// The program started with its control centre slid into place; closed at the end.
struct ShownCentre {
  explicit ShownCentre(const std::wstring& label) : run(label, {.watchPage = true}) {
    form = run.child().waitForWindow();
    if (form) {
      navBar = settledPage(form, kNavPanelId);
      page = settledPage(form, kContentPanelId);
      EXPECT_TRUE(WaitUntil([this] { return slidIntoPlace(run.pageEvents()); })) << "the page does not slide in";
    }
  }
  ~ShownCentre() {
    PostMessageW(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.child().waitForExit(), 0u);
  }

  BuiltProgram run;
  HWND form = nullptr;
  HWND navBar = nullptr;
  HWND page = nullptr;
};

// One case per DPI; each runs in the session at its DPI (tests/win/app/CMakeLists.txt).
TEST(QuorvelaControlCentre, PagesAndControlsScaleEachValueByItself) {
  struct Case {
    DWORD dpi;
    double scale;
    Placed navPage, centrePage, navButton, topPanel;
  };
  const Case cases[] = {
      {96, 1.0, {0, 0, 47, 500}, {0, 0, 653, 500}, {0, 1, 47, 45}, {5, 5, 640, 203}},
      {120, 1.25, {0, 0, 59, 625}, {0, 0, 816, 625}, {0, 1, 59, 56}, {6, 6, 800, 254}},
      {144, 1.5, {0, 0, 71, 750}, {0, 0, 980, 750}, {0, 2, 71, 68}, {8, 8, 960, 305}},
  };
  const Case* c = caseForSessionDpi(cases);
  ASSERT_NE(c, nullptr) << "no case for DPI " << sessionDpi();
  measureInPhysicalPixels();
  const ShownCentre centre(L"centre" + std::to_wstring(c->dpi));
  HWND form = centre.form;
  HWND page = centre.page;
  ASSERT_NE(centre.navBar, nullptr);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(placedIn(GetDlgItem(form, kNavPanelId), kPageId), c->navPage);
  EXPECT_EQ(placedIn(GetDlgItem(form, kContentPanelId), kPageId), c->centrePage);
  EXPECT_EQ(placedIn(centre.navBar, navigation_bar::kControlCentreButtonId), c->navButton);
  EXPECT_EQ(placedIn(page, kTopPanel), c->topPanel);

  for (const auto& design : kControls) {
    SCOPED_TRACE(design.id);
    HWND parent = design.parentId ? GetDlgItem(page, design.parentId) : page;
    ASSERT_NE(GetDlgItem(parent, design.id), nullptr);
    const DesignRect expected = scaledRect(design.bounds, c->scale);
    EXPECT_EQ(placedIn(parent, design.id), (Placed{expected.left, expected.top, expected.width, expected.height}));
  }
  // The three group boxes are the page's only direct children.
  int direct = 0;
  for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++direct;
  EXPECT_EQ(direct, 3);
}

TEST(QuorvelaControlCentre, PageSlidesInFrom200PixelsRightAfterStartUp) {
  const ShownCentre centre(L"centre_slide");
  ASSERT_NE(centre.page, nullptr);
  EXPECT_EQ(centre.run.pageEvents(), ShownAndSlidIn());
  EXPECT_EQ(placedIn(GetDlgItem(centre.form, kContentPanelId), kPageId).left, 0);
}

// Pixels of a control on screen near the blue (#1E88E5) of the navigation button's monitor.
int monitorBluePixels(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  int blue = 0;
  for (const COLORREF c : ScreenPixels(rect)) {
    blue += std::abs(GetRValue(c) - 0x1E) < 16 && std::abs(GetGValue(c) - 0x88) < 16 &&
            std::abs(GetBValue(c) - 0xE5) < 16;
  }
  return blue;
}

// A click handled to its end.
void click(HWND button) {
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
}

TEST(QuorvelaControlCentre, NavigationButtonShowsTheCentreAndOnTheShownPageMovesNothing) {
  const ShownCentre centre(L"centre_nav");
  HWND page = centre.page;
  ASSERT_NE(page, nullptr);
  HWND button = GetDlgItem(centre.navBar, navigation_bar::kControlCentreButtonId);
  ASSERT_NE(button, nullptr);
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  EXPECT_TRUE(WaitUntil([&] { return monitorBluePixels(button) >= 20; }))
      << monitorBluePixels(button) << " blue pixels";
  EXPECT_EQ(toolTipText(button), L"主程序界面");

  // On the shown page a click shows nothing anew and starts no slide.
  const std::size_t before = centre.run.pageEvents().size();
  click(button);
  EXPECT_EQ(centre.run.pageEvents().size(), before);
  EXPECT_TRUE(IsWindowVisible(page));

  // With the page hidden, the click switches to it: shown, and slid in again, once.
  ShowWindow(page, SW_HIDE);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(page); }));
  click(button);
  EXPECT_TRUE(IsWindowVisible(page));
  auto since = [&] {
    const auto events = centre.run.pageEvents();
    const auto from = events.begin() + static_cast<std::ptrdiff_t>(std::min(before, events.size()));
    return std::vector<std::string>(from, events.end());
  };
  EXPECT_TRUE(WaitUntil([&] { return slidIntoPlace(since()); }));
  EXPECT_EQ(since(), ShownAndSlidIn());
}

TEST(QuorvelaControlCentre, InitialTextsClassesAndStates) {
  const ShownCentre centre(L"centre_texts");
  HWND page = centre.page;
  ASSERT_NE(page, nullptr);

  struct Text {
    int id;
    const wchar_t* text;
  };
  for (const auto& t : {Text{kTopPanel, L"控制中心"}, Text{kRunNowButton, L"立刻运行 当前:未运行"},
                        Text{kTimedRunButton, L"定时运行 当前:未运行"}, Text{kCaptureTargetButton, L"截图"},
                        Text{kTestFindButton, L"找图"}, Text{kTestSendButton, L"发送"}, Text{kHourEdit, L"0"},
                        Text{kMinuteEdit, L"0"}, Text{kSecondEdit, L"0"}, Text{kTimerCaptionLabel, L"定时器："},
                        Text{kTimerHelpLabel, L"    如果您想定时运行本软件，请在下方输入触发时间。譬如:18时50分"},
                        Text{kSpeedGaugeGroup, L"速度表盘"}, Text{kRunLogGroup, L"运行日志"},
                        Text{kErrorSwatchLabel, L"错误"}, Text{kWarningSwatchLabel, L"警告"},
                        Text{kInfoSwatchLabel, L"提示"},
                        // The start-up search for WeChat's window (the stub finds none).
                        Text{kRunLogBox, L"[警告]没有找到微信窗口，请您打开微信\r\n"}}) {
    EXPECT_EQ(controlText(centreControl(page, t.id)), t.text) << t.id;
  }
  EXPECT_EQ(className(centreControl(page, kRunLogBox)), L"RichEdit20W");
  for (int id : {kHourEdit, kMinuteEdit, kSecondEdit}) {
    SCOPED_TRACE(id);
    HWND edit = centreControl(page, id);
    EXPECT_EQ(_wcsicmp(className(edit).c_str(), L"Edit"), 0);
    const LONG_PTR style = GetWindowLongPtrW(edit, GWL_STYLE);
    EXPECT_NE(style & ES_CENTER, 0);
    EXPECT_EQ(style & WS_TABSTOP, 0) << "time entries are no tab stops";
    EXPECT_EQ(style & ES_NOHIDESEL, 0) << "selection hidden without focus";
    EXPECT_NE(GetWindowLongPtrW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 2);
  }
  // The log's caption is drawn disabled; the log itself takes input.
  EXPECT_FALSE(IsWindowEnabled(centreControl(page, kRunLogGroup)));
  EXPECT_TRUE(IsWindowEnabled(centreControl(page, kRunLogBox)));
  const LONG_PTR logStyle = GetWindowLongPtrW(centreControl(page, kRunLogBox), GWL_STYLE);
  // The vertical scroll bar shows once the text needs it.
  EXPECT_EQ(logStyle & (ES_MULTILINE | ES_READONLY | WS_BORDER | ES_AUTOHSCROLL | WS_HSCROLL), ES_MULTILINE);
  EXPECT_EQ(GetWindowLongPtrW(centreControl(page, kRunLogBox), GWL_EXSTYLE) &
                (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME),
            0);
  // Timers live on hidden windows.
  for (int id : {kCountdownTimer, kGaugeTimer}) {
    ASSERT_NE(centreControl(page, id), nullptr) << id;
    EXPECT_FALSE(IsWindowVisible(centreControl(page, id))) << id;
  }
}

TEST(QuorvelaControlCentre, TimeEntriesTakeTwoCharactersOfIntegerInput) {
  const ShownCentre centre(L"centre_entries");
  HWND edit = centreControl(centre.page, kHourEdit);
  ASSERT_NE(edit, nullptr);
  struct Case {
    const wchar_t* typed;
    const wchar_t* text;
  };
  const Case cases[] = {
      {L"a", L""}, {L"1x", L"1"}, {L"-", L"-"}, {L"123", L"12"}, {L"+.", L""}, {L"7\b", L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    SetWindowTextW(edit, L"");
    for (const wchar_t* typed = c.typed; *typed; ++typed) SendMessageW(edit, WM_CHAR, *typed, 1);
    EXPECT_EQ(controlText(edit), c.text);
  }
}

}  // namespace
}  // namespace qv::test
