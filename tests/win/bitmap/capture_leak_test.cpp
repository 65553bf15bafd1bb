// The captures and pixel operations give back every GDI object they make.
#include <gtest/gtest.h>

#include <windows.h>

#include "library/win/bitmap/bitmap_class.h"
#include "tests/win/bitmap/gdi_object_count.h"
#include "tests/win/bitmap/painted_window.h"

namespace pixfarrow::win {
namespace {

void Round(HWND window, HICON icon, int i) {
  新位图操作类 bitmap, target;
  ASSERT_EQ(bitmap.CaptureWindowClient(window, 0, 0, 0, 0, i % 2 ? 8 : 24), 1);
  ASSERT_EQ(bitmap.CaptureScreenArea(0, 0, 40, 30, i % 3 ? 32 : 4), 1);
  ASSERT_EQ(target.CaptureScreenArea(50000, 0), 0);
  ASSERT_EQ(target.LoadFromIcon(icon), 1);
  ASSERT_EQ(bitmap.SetPixelColor(1, 1, RGB(9, 9, 9)), 1);
  ASSERT_EQ(bitmap.DrawTo(target, 0, 0, 10, 10, 3, 3), 1);
  bitmap.PaintToWindow(window);
  ASSERT_NE(target.GetPixelColor(4, 4), CLR_INVALID);
  if (i % 50 == 0) {
    ASSERT_EQ(bitmap.CopyToClipboard(), 1);
    ASSERT_EQ(target.LoadFromClipboard(), 1);
  }
}

TEST(CaptureLeak, RoundsLeaveNoGdiObject) {
  qv::test::PaintedWindow window(40, 40, 80, 60);
  HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
  ASSERT_NE(icon, nullptr);
  for (int i = 0; i < 10; ++i) Round(window.get(), icon, i);
  const auto before = qv::test::LiveGdiObjects();
  ASSERT_TRUE(before) << "no GDI object counter: neither GetGuiResources nor Wine's handle table answers";
  for (int i = 1; i <= 300 && !HasFatalFailure(); ++i) Round(window.get(), icon, i);
  const auto after = qv::test::LiveGdiObjects();
  ASSERT_TRUE(after);
  // The clipboard owns its one bitmap at a time: at most one more than before.
  EXPECT_LE(*after, *before + 1);
}

}  // namespace
}  // namespace pixfarrow::win
