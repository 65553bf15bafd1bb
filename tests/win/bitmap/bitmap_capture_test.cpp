// Captures of the bitmap class against windows with known pixels.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "library/core/nearest_color.h"
#include "library/win/bitmap/bitmap_class.h"
#include "library/win/bitmap/gdi_owners.h"
#include "tests/support/wait_until.h"
#include "tests/win/bitmap/painted_window.h"

namespace pixfarrow::win {
namespace {

using qv::test::CoverWindow;
using qv::test::PaintedWindow;

constexpr int kClientW = 120, kClientH = 90;

// Every pixel of a 24- or 32-bit capture of client (x0, y0) onwards against the pattern.
void ExpectPattern(新位图操作类& bitmap, int x0, int y0) {
  int wrong = 0;
  for (int y = 0; y < bitmap.Height() && wrong < 5; ++y) {
    for (int x = 0; x < bitmap.Width() && wrong < 5; ++x) {
      const COLORREF got = bitmap.GetPixelColor(x, y), want = PaintedWindow::At(x0 + x, y0 + y);
      if (got != want) {
        ++wrong;
        ADD_FAILURE() << "pixel (" << x << ", " << y << "): " << std::hex << got << " instead of " << want;
      }
    }
  }
}

TEST(BitmapCapture, WindowClientWithNoSizeIsTheWholeClientAreaAt24Bits) {
  PaintedWindow window(40, 40, kClientW, kClientH);
  新位图操作类 bitmap;
  ASSERT_EQ(bitmap.CaptureWindowClient(window.get()), 1);
  EXPECT_EQ(bitmap.Width(), kClientW);
  EXPECT_EQ(bitmap.Height(), kClientH);
  EXPECT_EQ(bitmap.BitsPerPixel(), 24);
  EXPECT_EQ(bitmap.DibBitCount(), 24);
  ExpectPattern(bitmap, 0, 0);
}

TEST(BitmapCapture, WindowClientRegions) {
  PaintedWindow window(40, 40, kClientW, kClientH);
  struct Case {
    int x, y, width, height, wantW, wantH;
  };
  for (const Case c : {Case{10, 0, 0, 0, kClientW - 10, kClientH}, Case{5, 7, 20, 10, 20, 10},
                       Case{0, 30, 0, 0, kClientW, kClientH - 30}}) {
    SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
    新位图操作类 bitmap;
    ASSERT_EQ(bitmap.CaptureWindowClient(window.get(), c.x, c.y, c.width, c.height), 1);
    EXPECT_EQ(bitmap.Width(), c.wantW);
    EXPECT_EQ(bitmap.Height(), c.wantH);
    ExpectPattern(bitmap, c.x, c.y);
  }
}

TEST(BitmapCapture, CoveredWindowGivesItsOwnPixels) {
  PaintedWindow window(40, 40, kClientW, kClientH);
  const POINT origin = window.ClientOrigin();
  const CoverWindow cover({origin.x - 5, origin.y - 5, origin.x + 60, origin.y + 50}, RGB(0, 200, 0));
  // The screen shows the cover...
  新位图操作类 screen;
  ASSERT_EQ(screen.CaptureScreenArea(origin.x + 10, origin.y + 10, 4, 4, 24), 1);
  EXPECT_EQ(screen.GetPixelColor(0, 0), RGB(0, 200, 0));
  // ...the window's own image does not.
  新位图操作类 bitmap;
  ASSERT_EQ(bitmap.CaptureWindowClient(window.get()), 1);
  ExpectPattern(bitmap, 0, 0);
}

TEST(BitmapCapture, WindowThatCannotBeCapturedLeavesTheObjectEmpty) {
  PaintedWindow window(40, 40, kClientW, kClientH);
  auto expectRefused = [&](HWND handle, int x, int depth, const char* why) {
    新位图操作类 bitmap;
    ASSERT_EQ(bitmap.CreateBlank(2, 2, 24), 1);
    EXPECT_EQ(bitmap.CaptureWindowClient(handle, x, 0, 0, 0, depth), 0) << why;
    EXPECT_EQ(bitmap.GetBitmapHandle(), nullptr) << why;
    EXPECT_EQ(bitmap.PixelBytesSize(), 0) << why;
  };
  expectRefused(window.get(), 0, 7, "refused depth");
  expectRefused(window.get(), kClientW, 24, "no width left of the client area");
  expectRefused(window.get(), kClientW + 50, 24, "x beyond the client area");
  expectRefused(nullptr, 0, 24, "no window");
  ShowWindow(window.get(), SW_MINIMIZE);
  ASSERT_TRUE(qv::test::PumpUntil([&] { return IsIconic(window.get()) != FALSE; }));
  expectRefused(window.get(), 0, 24, "minimised");
  ShowWindow(window.get(), SW_HIDE);
  ASSERT_TRUE(qv::test::PumpUntil([&] { return !IsWindowVisible(window.get()); }));
  expectRefused(window.get(), 0, 24, "hidden");
}

TEST(BitmapCapture, ScreenAreaPixelsAndDefaults) {
  PaintedWindow window(40, 40, kClientW, kClientH);
  const POINT origin = window.ClientOrigin();
  新位图操作类 bitmap;
  ASSERT_EQ(bitmap.CaptureScreenArea(origin.x + 3, origin.y + 4, 50, 40, 32), 1);
  EXPECT_EQ(bitmap.Width(), 50);
  EXPECT_EQ(bitmap.BitsPerPixel(), 32);
  ExpectPattern(bitmap, 3, 4);

  // Nothing given: the whole primary display at its depth.
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  ASSERT_TRUE(EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode));
  ASSERT_EQ(bitmap.CaptureScreenArea(), 1);
  EXPECT_EQ(bitmap.Width(), static_cast<int>(mode.dmPelsWidth));
  EXPECT_EQ(bitmap.Height(), static_cast<int>(mode.dmPelsHeight));
  EXPECT_EQ(bitmap.BitsPerPixel(), static_cast<int>(mode.dmBitsPerPel));
  EXPECT_EQ(bitmap.GetPixelColor(origin.x + 9, origin.y + 2), PaintedWindow::At(9, 2));
  // A width of 0 reaches to the display's right edge.
  ASSERT_EQ(bitmap.CaptureScreenArea(100, 0, 0, 10, 24), 1);
  EXPECT_EQ(bitmap.Width(), static_cast<int>(mode.dmPelsWidth) - 100);

  // Refused: nothing left to capture, or a depth the class does not take.
  for (const auto& [x, depth] : {std::pair{static_cast<int>(mode.dmPelsWidth), 24}, std::pair{50000, 24},
                                 std::pair{0, 12}}) {
    EXPECT_EQ(bitmap.CaptureScreenArea(x, 0, 0, 0, depth), 0) << x << " " << depth;
    EXPECT_EQ(bitmap.GetBitmapHandle(), nullptr);
  }
}

TEST(BitmapCapture, EightBitCapturesTakeTheCoreColourRule) {
  PaintedWindow window(40, 40, kClientW, kClientH);
  新位图操作类 bitmap;
  ASSERT_EQ(bitmap.CaptureWindowClient(window.get(), 0, 0, 0, 0, 8), 1);
  EXPECT_EQ(bitmap.DibBitCount(), 8);
  EXPECT_EQ(bitmap.ColorTableSize(), 1024);
  const ByteSet pixels = bitmap.PixelBytes();
  const int stride = bitmap.DibRowBytes();
  ASSERT_EQ(pixels.size(), static_cast<std::size_t>(stride) * kClientH);
  int wrong = 0;
  for (int y = 0; y < kClientH; ++y) {
    for (int x = 0; x < kClientW; ++x) {
      const COLORREF c = PaintedWindow::At(x, y);
      const std::uint8_t want = FixedPaletteIndex(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
      wrong += pixels[static_cast<std::size_t>(kClientH - 1 - y) * stride + x] != want;
    }
  }
  EXPECT_EQ(wrong, 0);
}

// A 24-bit memory DC with a pattern, for the DC and icon captures.
struct PatternDc {
  PatternDc() {
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 30; ++x) SetPixelV(dc.get(), x, y, PaintedWindow::At(x, y));
    }
  }
  DeclaredGdi::MemoryDc dc = DeclaredGdi::memoryDcFor(nullptr);
  DeclaredGdi::Bitmap bitmap{CreateBitmap(30, 20, 1, 32, nullptr)};
  DeclaredGdi::Selection chosen{dc.get(), bitmap.get()};
};

TEST(BitmapCapture, FromDcTakesTheRectangle) {
  PatternDc source;
  ASSERT_TRUE(source.chosen);
  新位图操作类 bitmap;
  ASSERT_EQ(bitmap.CaptureFromDC(source.dc.get(), RECT{4, 6, 14, 11}, 24), 1);
  EXPECT_EQ(bitmap.Width(), 10);
  EXPECT_EQ(bitmap.Height(), 5);
  ExpectPattern(bitmap, 4, 6);
  for (const RECT empty : {RECT{5, 5, 5, 9}, RECT{9, 5, 4, 9}}) {
    EXPECT_EQ(bitmap.CaptureFromDC(source.dc.get(), empty, 24), 0);
    EXPECT_EQ(bitmap.GetBitmapHandle(), nullptr);
  }
  EXPECT_EQ(bitmap.CaptureFromDC(source.dc.get(), RECT{0, 0, 4, 4}, 3), 0);
}

TEST(BitmapCapture, IconDrawnOnWhite) {
  // A 16 x 16 icon: the left half opaque red, the right half transparent.
  std::vector<std::uint8_t> andMask(16 * 2), xorBits(16 * 16 * 4, 0);
  for (int y = 0; y < 16; ++y) {
    andMask[y * 2] = 0x00;      // x 0..7 opaque
    andMask[y * 2 + 1] = 0xFF;  // x 8..15 transparent
    for (int x = 0; x < 8; ++x) xorBits[(y * 16 + x) * 4 + 2] = 0xFF;
  }
  const DeclaredGdi::Bitmap mask(CreateBitmap(16, 16, 1, 1, andMask.data()));
  const DeclaredGdi::Bitmap colour(CreateBitmap(16, 16, 1, 32, xorBits.data()));
  ICONINFO info{TRUE, 0, 0, mask.get(), colour.get()};
  HICON icon = CreateIconIndirect(&info);
  ASSERT_NE(icon, nullptr);
  新位图操作类 bitmap;
  ASSERT_EQ(bitmap.LoadFromIcon(icon, 16, 16, 24), 1);
  EXPECT_EQ(bitmap.Width(), 16);
  EXPECT_EQ(bitmap.BitsPerPixel(), 24);
  EXPECT_EQ(bitmap.GetPixelColor(2, 3), RGB(255, 0, 0));
  EXPECT_EQ(bitmap.GetPixelColor(12, 3), RGB(255, 255, 255));
  ASSERT_EQ(bitmap.LoadFromIcon(icon), 1);  // absent sizes and depth: 32 each
  EXPECT_EQ(bitmap.Width(), 32);
  EXPECT_EQ(bitmap.BitsPerPixel(), 32);
  EXPECT_EQ(bitmap.LoadFromIcon(icon, 0), 0);  // an explicit 0 stays 0: no image
  EXPECT_EQ(bitmap.LoadFromIcon(nullptr), 0);
  DestroyIcon(icon);
}

}  // namespace
}  // namespace pixfarrow::win
