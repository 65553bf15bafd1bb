// Captures of the stand-in's whole window and of the screen, in the capture layout.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "app/win/run/window_capture.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/standin_client.h"

namespace {

using quorvela::ByteBuffer;

std::uint32_t At32(const ByteBuffer& b, std::size_t i) {
  std::uint32_t v = 0;
  std::memcpy(&v, b.data() + i, 4);
  return v;
}

std::uint32_t AsHandle(HWND window) { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)); }

// 0x00RRGGBB of the pixel at (x, y) from the top-left of a 24-bit bottom-up capture.
std::uint32_t PixelAt(const ByteBuffer& bmp, int x, int y) {
  const auto width = static_cast<int>(At32(bmp, 18));
  const auto height = static_cast<int>(At32(bmp, 22));
  const int stride = (width * 3 + 3) / 4 * 4;
  const std::uint8_t* p = bmp.data() + 54 + static_cast<std::size_t>(height - 1 - y) * stride + x * 3;
  return (p[2] << 16) | (p[1] << 8) | p[0];
}

TEST(WindowCapture, WholeWindowOf800By600IsTheLayoutBottomUpWithFrame) {
  qv::test::StandIn standin;
  ASSERT_NE(standin.window(), nullptr);
  // The stand-in's window, frame and title bar included, becomes 800 x 600.
  ASSERT_TRUE(SetWindowPos(standin.window(), HWND_TOP, 0, 0, 800, 600, SWP_NOMOVE));
  const auto red = qv::test::MakeBmp24(10, 10, [](int, int) { return 0xD01020u; });
  ASSERT_TRUE(standin.PaintTarget(red, 100, 5));

  const ByteBuffer bmp = quorvela::win::CaptureWindowBmp(AsHandle(standin.window()));
  ASSERT_EQ(bmp.size(), 54u + 2400u * 600u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(At32(bmp, 2), bmp.size());
  EXPECT_EQ(At32(bmp, 10), 54u);
  EXPECT_EQ(At32(bmp, 14), 40u);
  EXPECT_EQ(At32(bmp, 18), 800u);
  EXPECT_EQ(At32(bmp, 22), 600u);  // positive: bottom-up
  EXPECT_EQ(At32(bmp, 26), 1u | (24u << 16));
  EXPECT_EQ(At32(bmp, 30), 0u);
  EXPECT_EQ(At32(bmp, 34), 2400u * 600u);

  RECT frame{};
  GetWindowRect(standin.window(), &frame);
  POINT client{0, 0};
  ClientToScreen(standin.window(), &client);
  const int dx = client.x - frame.left;
  const int dy = client.y - frame.top;
  EXPECT_EQ(PixelAt(bmp, dx + 105, dy + 8), 0xD01020u);     // the red square near the top
  EXPECT_EQ(PixelAt(bmp, dx + 30, dy + 300), 0x2E2E2Eu);    // the dark side bar
  EXPECT_EQ(PixelAt(bmp, dx + 400, dy + 300), 0xF5F5F5u);   // the background
}

// The worker's capturer keeps the window's DC between rounds: a moved or resized window
// must still be captured whole, where and as large as it is now, as a new capturer sees it.
TEST(WindowCapture, KeptCapturerFollowsTheWindowMovedAndResized) {
  qv::test::StandIn standin;
  ASSERT_NE(standin.window(), nullptr);
  HWND window = standin.window();
  const auto red = qv::test::MakeBmp24(10, 10, [](int, int) { return 0xD01020u; });
  ASSERT_TRUE(standin.PaintTarget(red, 100, 5));
  quorvela::win::WindowCapturer capturer;
  struct Step {
    const char* what;
    int x, y, width, height;
  };
  const Step steps[] = {
      {"as it is", 40, 40, 700, 500}, {"again", 40, 40, 700, 500}, {"moved", 260, 180, 700, 500},
      {"wider and taller", 260, 180, 1000, 700}, {"smaller", 10, 10, 500, 400},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    ASSERT_TRUE(SetWindowPos(window, HWND_TOP, step.x, step.y, step.width, step.height, 0));
    ASSERT_TRUE(standin.PaintTarget(red, 100, 5));  // on screen once the stand-in has drawn
    const ByteBuffer bmp = capturer.capture(AsHandle(window));
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(static_cast<int>(At32(bmp, 18)), step.width);
    EXPECT_EQ(static_cast<int>(At32(bmp, 22)), step.height);
    RECT frame{};
    GetWindowRect(window, &frame);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    const int dx = client.x - frame.left;
    const int dy = client.y - frame.top;
    EXPECT_EQ(PixelAt(bmp, dx + 105, dy + 8), 0xD01020u);
    EXPECT_TRUE(bmp == quorvela::win::CaptureWindowBmp(AsHandle(window)));
  }
}

TEST(WindowCapture, HandleZeroIsTheWholeScreenAndAGoneWindowNothing) {
  const ByteBuffer screen = quorvela::win::CaptureWindowBmp(0);
  ASSERT_GE(screen.size(), 54u);
  EXPECT_EQ(static_cast<int>(At32(screen, 18)), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(static_cast<int>(At32(screen, 22)), GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(At32(screen, 2), screen.size());

  HWND gone = CreateWindowExW(0, L"STATIC", L"gone", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(gone, nullptr);
  DestroyWindow(gone);
  EXPECT_TRUE(quorvela::win::CaptureWindowBmp(AsHandle(gone)).empty());
}

}  // namespace
