// The interactive capture driven as a user would: windows found on screen, a drag posted
// to the overlay's board, the result read through the text the capture returns.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "common/capture_result_text.h"
#include "library/win/capture/capture_screen_region.h"
#include "tests/support/process_threads.h"
#include "tests/win/capture/capture_driver.h"
#include "tests/win/capture/captured_image.h"
#include "tests/win/capture/pattern_window.h"

namespace {

using pixfarrow::capture::CaptureScreenRegion;
using qv::test::CaptureWindows;
using qv::test::Drag;
using qv::test::PatternWindow;

using Image = qv::test::CapturedImage;

struct Outcome {
  std::string text;
  const char* textAddress = nullptr;
  qv::CaptureLocation location;
  bool parsed = false;
};

// Each capture freezes the screen into its snapshot. The X server shows a destroyed window
// for a moment after Wine lets it go, so a capture starts once the pattern shows again, with
// nothing of the last capture left over it. No user clicks that fast.
void LetTheScreenSettle() {
  if (FindWindowW(L"QvPatternWindow", nullptr)) EXPECT_TRUE(PatternWindow::OnScreen()) << "the pattern does not show";
}

Outcome Capture(std::function<void()> drive) {
  LetTheScreenSettle();
  Outcome o;
  o.textAddress = qv::test::WhileDriving([] { return CaptureScreenRegion(); }, std::move(drive));
  o.text = o.textAddress;
  if (auto loc = qv::ParseCaptureResultText(o.text)) {
    o.location = *loc;
    o.parsed = true;
  }
  return o;
}

Image ImageOf(const Outcome& o) { return qv::test::CapturedImageAt(o.location); }

int DisplayBits() {
  HDC screen = GetDC(nullptr);
  const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
  ReleaseDC(nullptr, screen);
  return bits;
}

// Waits for the windows, lets them settle, drags, and reports what it saw before the drag.
struct Observed {
  bool found = false;
  bool settled = false;
  int alpha = -1;
  RECT guide{};
};

std::function<void()> DragWhenSettled(Drag drag, Observed* seen) {
  return [drag, seen] {
    CaptureWindows w;
    seen->found = qv::test::WaitForOverlay(&w);
    if (!seen->found) return;
    seen->settled = qv::test::WaitForRest(w);
    seen->alpha = qv::test::OverlayAlpha(w.overlay);
    GetWindowRect(w.guide, &seen->guide);
    qv::test::PostDrag(w.topBoard, drag);
  };
}

void ExpectGone() {
  const CaptureWindows w = qv::test::FindCaptureWindows();
  EXPECT_EQ(w.capture, nullptr);
  EXPECT_EQ(w.overlay, nullptr);
  EXPECT_EQ(w.guide, nullptr);
}

void ExpectPatternRegion(const Outcome& o, int left, int top, int width, int height) {
  ASSERT_TRUE(o.parsed) << o.text;
  const Image img = ImageOf(o);
  ASSERT_EQ(img.width, width);
  ASSERT_EQ(img.height, height);
  EXPECT_EQ(img.bits, DisplayBits());
  int wrong = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (img.At(x, y) != PatternWindow::At(left + x, top + y)) ++wrong;
  EXPECT_EQ(wrong, 0) << "pixels differing from the screen at (" << left << ", " << top << "), first 0x"
                      << std::hex << img.At(0, 0) << " for 0x" << PatternWindow::At(left, top);
}

// Runs first in its own process: nothing captured yet.
TEST(CaptureFirst, ClosingWithoutAReleaseGivesTheEmptyCapture) {
  const Outcome o = Capture([] {
    CaptureWindows w;
    if (qv::test::WaitForOverlay(&w)) PostMessageW(w.capture, WM_CLOSE, 0, 0);
  });
  ASSERT_TRUE(o.parsed) << o.text;
  EXPECT_EQ(o.location.address, 0);
  EXPECT_EQ(o.location.length, 0);
  ExpectGone();
}

class CaptureTest : public ::testing::Test {
 protected:
  PatternWindow pattern;
};

TEST_F(CaptureTest, DragTakesExactlyTheSelectedScreenPixels) {
  struct Case {
    const char* what;
    POINT from, to;
  } cases[] = {{"down and right", {10, 10}, {20, 20}}, {"up and left", {20, 20}, {10, 10}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Observed seen;
    const Outcome o = Capture(DragWhenSettled({c.from, {{30, 40}, c.to}}, &seen));
    ASSERT_TRUE(seen.found);
    ExpectPatternRegion(o, 10, 10, 10, 10);
    EXPECT_EQ(o.text.find(qv::kCaptureSeparatorGbk), o.text.rfind(qv::kCaptureSeparatorGbk)) << "two parts";
    ExpectGone();
  }
}

// The mouse messages that this thread (the capture's) takes out of its queue, as a hook on
// it sees them, in screen coordinates.
class MouseTaken {
 public:
  MouseTaken() : hook_(SetWindowsHookExW(WH_GETMESSAGE, &MouseTaken::Hook, nullptr, GetCurrentThreadId())) {
    current_ = this;
  }
  ~MouseTaken() {
    UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  MouseTaken(const MouseTaken&) = delete;
  MouseTaken& operator=(const MouseTaken&) = delete;

  std::size_t Count() const {
    std::lock_guard lock(mutex_);
    return taken_.size();
  }
  // Whether one of the messages taken after the first `from` is this one.
  bool TookSince(std::size_t from, UINT message, POINT at) const {
    std::lock_guard lock(mutex_);
    for (std::size_t i = from; i < taken_.size(); ++i)
      if (taken_[i].message == message && taken_[i].at.x == at.x && taken_[i].at.y == at.y) return true;
    return false;
  }

 private:
  struct Taken {
    UINT message;
    POINT at;
  };

  static LRESULT CALLBACK Hook(int code, WPARAM removal, LPARAM lp) {
    const auto* msg = reinterpret_cast<const MSG*>(lp);
    if (code == HC_ACTION && removal == PM_REMOVE && current_ && msg->message >= WM_MOUSEFIRST &&
        msg->message <= WM_MOUSELAST) {
      POINT at{static_cast<short>(LOWORD(msg->lParam)), static_cast<short>(HIWORD(msg->lParam))};
      ClientToScreen(msg->hwnd, &at);
      std::lock_guard lock(current_->mutex_);
      current_->taken_.push_back({msg->message, at});
    }
    return CallNextHookEx(nullptr, code, removal, lp);
  }

  static inline MouseTaken* current_ = nullptr;
  HHOOK hook_;
  mutable std::mutex mutex_;
  std::vector<Taken> taken_;
};

// Input through the system's input queue, as a mouse gives it: the window under the
// pointer gets it, so this fails when another capture window is stacked over the overlay.
// As a hand does, each input comes once the capture has taken the one before: moves sent
// at once would reach it merged, the last one perhaps into the release.
void SendPointer(const MouseTaken& taken, DWORD flags, POINT at, UINT message) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  std::size_t before = taken.Count();
  SendInput(1, &in, sizeof in);
  EXPECT_TRUE(qv::test::WaitUntil([&] {
    if (taken.TookSince(before, message, at)) return true;
    // Under Wine a late pointer event of the X server can put the cursor back before the
    // capture has taken the move, and merge with it: then the move is made again.
    POINT now{};
    GetCursorPos(&now);
    if (message == WM_MOUSEMOVE && (now.x != at.x || now.y != at.y)) {
      before = taken.Count();
      SendInput(1, &in, sizeof in);
    }
    return false;
  })) << "the capture does not take " << std::hex << message << " at (" << std::dec << at.x << ", " << at.y << ")";
}

TEST_F(CaptureTest, DragWithTheSystemPointerReachesTheOverlay) {
  const MouseTaken taken;
  Observed seen;
  const Outcome o = Capture([&seen, &taken] {
    CaptureWindows w;
    seen.found = qv::test::WaitForOverlay(&w);
    if (!seen.found) return;
    seen.settled = qv::test::WaitForRest(w);
    SendPointer(taken, 0, {20, 20}, WM_MOUSEMOVE);
    SendPointer(taken, MOUSEEVENTF_LEFTDOWN, {20, 20}, WM_LBUTTONDOWN);
    SendPointer(taken, 0, {25, 28}, WM_MOUSEMOVE);
    SendPointer(taken, 0, {10, 10}, WM_MOUSEMOVE);
    SendPointer(taken, MOUSEEVENTF_LEFTUP, {10, 10}, WM_LBUTTONUP);
    // Without a release on the overlay the capture would wait for ever: close it then.
    if (!qv::test::WaitForCaptureEnd(w)) {
      ADD_FAILURE() << "the release did not end the capture";
      PostMessageW(w.capture, WM_CLOSE, 0, 0);
    }
  });
  ASSERT_TRUE(seen.found);
  ExpectPatternRegion(o, 10, 10, 10, 10);
  ExpectGone();
}

TEST_F(CaptureTest, OverlayFadesTo120AndGuideRestsAtTheRightEdge) {
  Observed seen;
  Capture(DragWhenSettled({{5, 5}, {{15, 15}}}, &seen));
  ASSERT_TRUE(seen.found);
  EXPECT_TRUE(seen.settled);
  EXPECT_EQ(seen.alpha, 120);
  EXPECT_EQ(seen.guide.top, 0);
  EXPECT_EQ(seen.guide.right - seen.guide.left, 787);
  const int gap = GetSystemMetrics(SM_CXSCREEN) - seen.guide.right;
  EXPECT_GE(gap, 0);
  EXPECT_LE(gap, 14);
}

TEST_F(CaptureTest, SecondCaptureNamesANewBufferAndClosingKeepsIt) {
  Observed a, b;
  const Outcome first = Capture(DragWhenSettled({{10, 10}, {{20, 20}}}, &a));
  const Outcome second = Capture(DragWhenSettled({{30, 30}, {{42, 37}}}, &b));
  ASSERT_TRUE(first.parsed && second.parsed);
  EXPECT_NE(first.location.address, second.location.address);
  EXPECT_NE(first.textAddress, second.textAddress);
  ExpectPatternRegion(second, 30, 30, 12, 7);

  const Outcome closed = Capture([] {
    CaptureWindows w;
    if (qv::test::WaitForOverlay(&w)) PostMessageW(w.capture, WM_CLOSE, 0, 0);
  });
  ASSERT_TRUE(closed.parsed);
  EXPECT_EQ(closed.location.address, second.location.address);
  EXPECT_EQ(closed.location.length, second.location.length);
  ExpectGone();
}

TEST_F(CaptureTest, PressWithoutMoveKeepsThePreviousRectangleAndAFlatDragIsEmpty) {
  Observed seen;
  Capture(DragWhenSettled({{10, 10}, {{20, 20}}}, &seen));
  const Outcome still = Capture(DragWhenSettled({{50, 50}, {}}, &seen));
  ExpectPatternRegion(still, 10, 10, 10, 10);

  struct Case {
    const char* what;
    Drag drag;
  } flat[] = {{"back to the start", {{25, 25}, {{40, 40}, {25, 25}}}},
              {"straight across", {{5, 8}, {{30, 8}}}},
              {"straight down", {{8, 5}, {{8, 30}}}}};
  for (const auto& c : flat) {
    const Outcome o = Capture(DragWhenSettled(c.drag, &seen));
    ASSERT_TRUE(o.parsed) << c.what;
    EXPECT_EQ(o.location.address, 0) << c.what;
    EXPECT_EQ(o.location.length, 0) << c.what;
    ExpectGone();
  }
}

// The animation threads still running when the capture ends: those started since `before`,
// taken once both have made a step.
std::function<void()> WhileAnimating(const std::set<DWORD>& before,
                                     std::vector<qv::win::UniqueKernelHandle>* animations,
                                     std::function<void(const CaptureWindows&)> then) {
  return [&before, animations, then] {
    CaptureWindows w;
    if (!qv::test::WaitForOverlay(&w)) return;
    EXPECT_TRUE(qv::test::WaitForAnimations(w));
    *animations = qv::test::ThreadsStartedSince(before);
    then(w);
  };
}

TEST_F(CaptureTest, ReleaseWhileTheGuideSlidesEndsCleanly) {
  for (int round = 0; round < 5; ++round) {
    SCOPED_TRACE(round);
    const std::set<DWORD> before = qv::test::ThreadIdsOf();
    std::vector<qv::win::UniqueKernelHandle> animations;
    const Outcome o = Capture(WhileAnimating(before, &animations, [](const CaptureWindows& w) {
      qv::test::PostDrag(w.topBoard, {{10, 10}, {{20, 20}}});
    }));
    ExpectPatternRegion(o, 10, 10, 10, 10);
    ExpectGone();
    EXPECT_TRUE(qv::test::AllEnded(animations)) << "animation threads still running";
  }
}

// A capture ended by WM_QUIT destroys its windows without their destroying events; its
// animation threads must stop all the same, not go on stepping destroyed windows.
TEST_F(CaptureTest, QuitWhileTheGuideSlidesEndsTheAnimationThreads) {
  const std::set<DWORD> before = qv::test::ThreadIdsOf();
  std::vector<qv::win::UniqueKernelHandle> animations;
  const DWORD captureThread = GetCurrentThreadId();
  const Outcome o = Capture(WhileAnimating(before, &animations, [captureThread](const CaptureWindows&) {
    PostThreadMessageW(captureThread, WM_QUIT, 7, 0);
  }));
  MSG quit{};
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit is passed on";
  EXPECT_EQ(quit.wParam, 7u);
  EXPECT_TRUE(o.parsed) << o.text;
  ExpectGone();
  EXPECT_TRUE(qv::test::AllEnded(animations)) << "animation threads still running";
}

TEST_F(CaptureTest, GuideShowsItsTitleAndSteps) {
  std::wstring title, steps;
  LOGFONTW titleFont{}, stepsFont{};
  Capture([&] {
    CaptureWindows w;
    if (!qv::test::WaitForOverlay(&w)) return;
    HWND t = FindWindowExW(w.guide, nullptr, nullptr, L"截取目标图注意事项：");
    HWND shape = FindWindowExW(w.guide, nullptr, nullptr, L"外形框1");
    HWND s = FindWindowExW(shape, nullptr, L"STATIC", nullptr);
    title = qv::test::WindowText(t);
    steps = qv::test::WindowText(s);
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(t, WM_GETFONT, 0, 0)), sizeof titleFont, &titleFont);
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(s, WM_GETFONT, 0, 0)), sizeof stepsFont, &stepsFont);
    PostMessageW(w.capture, WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(title, L"截取目标图注意事项：");
  EXPECT_EQ(std::wstring(titleFont.lfFaceName), L"黑体");
  EXPECT_EQ(titleFont.lfHeight, -20);
  EXPECT_EQ(titleFont.lfWeight, 700);
  EXPECT_EQ(stepsFont.lfHeight, -16);
  EXPECT_EQ(stepsFont.lfWeight, 400);
  EXPECT_EQ(stepsFont.lfCharSet, GB2312_CHARSET);
  const std::wstring want =
      L"截取步骤\r\n\r\n1、鼠标左键按下别松开\r\n\r\n2、截取头像大概4分之1\r\n\r\n3、松开鼠标左键\r\n\r\n\r\n"
      L"(1)建议选择头像当作目标图\r\n\r\n(2)截取完后会在软件运行目录生成\r\n\r\n"
      L"   \"目标图\\\\目标图.bmp\"\r\n\r\n   下次启动，自动读取该文件，一劳永逸\r\n\r\n\r\n更多请关注\r\n\r\n"
      L"   微信公众号“Velmora”";
  EXPECT_EQ(steps, want);
}

}  // namespace
