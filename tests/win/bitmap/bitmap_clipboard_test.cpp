// The bitmap through the clipboard and back.
#include <gtest/gtest.h>

#include <windows.h>

#include "library/win/bitmap/bitmap_class.h"
#include "library/win/frame/hidden_owner_window.h"

namespace pixfarrow::win {
namespace {

// The hidden window that the library's start-up makes, made here for this process.
class BitmapClipboard : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { CreateHiddenOwnerWindow(GetModuleHandleW(nullptr)); }
  static void TearDownTestSuite() { DestroyHiddenOwnerWindow(); }
};

TEST_F(BitmapClipboard, RoundTrip) {
  ASSERT_NE(HiddenOwnerWindow(), nullptr);
  新位图操作类 bitmap;
  ASSERT_EQ(bitmap.CreateBlank(6, 5, 24), 1);
  bitmap.SetPixelColor(1, 1, RGB(200, 10, 30));
  bitmap.SetPixelColor(5, 4, RGB(0, 255, 0));
  ASSERT_EQ(bitmap.CopyToClipboard(), 1);
  ASSERT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
  // Emptied for the library's window, the clipboard has an owner for the data it was given.
  EXPECT_EQ(GetClipboardOwner(), HiddenOwnerWindow());

  新位图操作类 loaded;
  ASSERT_EQ(loaded.LoadFromClipboard(24), 1);
  EXPECT_EQ(loaded.Width(), 6);
  EXPECT_EQ(loaded.Height(), 5);
  EXPECT_EQ(loaded.BitsPerPixel(), 24);
  EXPECT_EQ(loaded.GetPixelColor(1, 1), RGB(200, 10, 30));
  EXPECT_EQ(loaded.GetPixelColor(5, 4), RGB(0, 255, 0));
  EXPECT_EQ(loaded.GetPixelColor(0, 0), RGB(0, 0, 0));
  // The clipboard keeps its bitmap: it loads again.
  新位图操作类 again;
  EXPECT_EQ(again.LoadFromClipboard(), 1);
  EXPECT_EQ(again.GetPixelColor(1, 1), RGB(200, 10, 30));
}

TEST_F(BitmapClipboard, NothingToGiveOrTake) {
  新位图操作类 empty;
  EXPECT_EQ(empty.CopyToClipboard(), 0);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  新位图操作类 bitmap;
  ASSERT_EQ(bitmap.CreateBlank(2, 2, 24), 1);
  EXPECT_EQ(bitmap.LoadFromClipboard(), 0);
  EXPECT_EQ(bitmap.GetBitmapHandle(), nullptr);
}

}  // namespace
}  // namespace pixfarrow::win
