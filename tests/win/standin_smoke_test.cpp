// End to end through the stand-in: what a test posts comes back from its record.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/bmp_builder.h"
#include "tests/support/standin_client.h"

namespace {

TEST(StandIn, RecordsPostedKeysInOrderWithTimes) {
  qv::test::StandIn standin;
  ASSERT_NE(standin.window(), nullptr);
  LARGE_INTEGER before;
  QueryPerformanceCounter(&before);
  ASSERT_TRUE(PostMessageW(standin.window(), WM_KEYDOWN, VK_RETURN, 0x001C0001));
  ASSERT_TRUE(PostMessageW(standin.window(), WM_KEYUP, VK_RETURN, 0xC01C0001));
  auto rec = standin.WaitForMessages(2);
  ASSERT_EQ(rec.messages.size(), 2u);
  EXPECT_GT(rec.frequency, 0);
  EXPECT_EQ(rec.messages[0].message, static_cast<unsigned>(WM_KEYDOWN));
  EXPECT_EQ(rec.messages[0].wParam, 13u);
  EXPECT_EQ(rec.messages[0].lParam, 0x001C0001u);
  EXPECT_EQ(rec.messages[1].message, static_cast<unsigned>(WM_KEYUP));
  EXPECT_EQ(rec.messages[1].lParam, 0xC01C0001u);
  EXPECT_GE(rec.messages[0].at, before.QuadPart);
  EXPECT_LE(rec.messages[0].at, rec.messages[1].at);
}

TEST(StandIn, PaintsATargetAndNotesWhen) {
  qv::test::StandIn standin;
  ASSERT_NE(standin.window(), nullptr);
  const auto bmp = qv::test::MakeBmp24(2, 2, [](int, int) { return 0xFF0000u; });
  ASSERT_TRUE(standin.PaintTarget(bmp, 100, 50));
  HDC dc = GetDC(standin.window());
  EXPECT_EQ(GetPixel(dc, 100, 50), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 101, 51), RGB(255, 0, 0));
  EXPECT_NE(GetPixel(dc, 102, 52), RGB(255, 0, 0));
  ReleaseDC(standin.window(), dc);
  EXPECT_EQ(standin.ReadRecord().paints.size(), 1u);
  EXPECT_EQ(standin.Close(), 0u);
}

}  // namespace
