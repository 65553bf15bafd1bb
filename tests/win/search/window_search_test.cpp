// The image finder's searches in a real window, through the GDI captures.
#include <gtest/gtest.h>

#include <windows.h>

#include "bmp_builder.h"
#include "library/core/image_finder.h"
#include "library/win/search/gdi_window_captures.h"
#include "tests/win/bitmap/painted_window.h"

namespace pixfarrow::win {
namespace {

using qv::test::CoverWindow;
using qv::test::PaintedWindow;

constexpr int kClientW = 120, kClientH = 90;

WindowId IdOf(HWND window) { return static_cast<WindowId>(reinterpret_cast<std::uintptr_t>(window)); }

// A w x h piece of the window's pattern from client (x, y), as a 24-bit file.
ByteSet PatternPiece(int x, int y, int w, int h) {
  return test::Bmp24(w, h, [&](int dx, int dy) {
    const COLORREF c = PaintedWindow::At(x + dx, y + dy);
    return static_cast<std::uint32_t>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
  });
}

// Window and finder for each case; the pattern's colours are spread over many palette
// indexes, so a 6 x 6 piece occurs once. Its centre (rounded right and up) is the piece's
// left + 3 and bottom row - 3: (33, 22) for the piece at (30, 20).
class WindowSearch : public ::testing::Test {
 protected:
  PaintedWindow window{40, 40, kClientW, kClientH};
  GdiWindowCaptures captures;
  ImageFinder finder;
};

TEST_F(WindowSearch, FindImageInScreenAndClientCoordinates) {
  const POINT origin = window.ClientOrigin();
  const ByteSet piece = PatternPiece(30, 20, 6, 6);
  SearchRegion region;
  EXPECT_EQ(finder.FindImageInWindow(captures, IdOf(window.get()), piece, &region),
            (Point{origin.x + 33, origin.y + 22}));
  EXPECT_EQ(region, (SearchRegion{0, 0, kClientW, kClientH}));
  EXPECT_EQ(finder.FindImageInWindow(captures, IdOf(window.get()), piece, nullptr, true), (Point{33, 22}));
  SearchRegion screenRegion{origin.x + 25, origin.y + 15, 30, 30};
  EXPECT_EQ(finder.FindImageInWindow(captures, 0, piece, &screenRegion), (Point{origin.x + 33, origin.y + 22}));
  SearchRegion missing{40, 0, 0, 0};
  EXPECT_EQ(finder.FindImageInWindow(captures, IdOf(window.get()), piece, &missing), kNotFound);
}

TEST_F(WindowSearch, CoveredWindowIsFoundInItsOwnImageOnly) {
  const POINT origin = window.ClientOrigin();
  const CoverWindow cover({origin.x, origin.y, origin.x + kClientW, origin.y + kClientH}, RGB(0, 0, 255));
  const ByteSet piece = PatternPiece(30, 20, 6, 6);
  EXPECT_EQ(finder.FindImageInWindow(captures, IdOf(window.get()), piece), kNotFound);
  EXPECT_EQ(finder.FindImageInWindow(captures, IdOf(window.get()), piece, nullptr, true), (Point{33, 22}));
  EXPECT_EQ(finder.GetWindowPixelColor(captures, IdOf(window.get()), 7, 9), static_cast<std::int32_t>(RGB(0, 0, 255)));
  EXPECT_EQ(finder.GetWindowPixelColor(captures, IdOf(window.get()), 7, 9, true),
            static_cast<std::int32_t>(PaintedWindow::At(7, 9)));
}

TEST_F(WindowSearch, PixelColourOfScreenAndHiddenWindow) {
  const POINT origin = window.ClientOrigin();
  EXPECT_EQ(finder.GetWindowPixelColor(captures, 0, origin.x + 5, origin.y + 6),
            static_cast<std::int32_t>(PaintedWindow::At(5, 6)));
  EXPECT_EQ(finder.GetWindowPixelColor(captures, IdOf(window.get()), 5, 6),
            static_cast<std::int32_t>(PaintedWindow::At(5, 6)));
  ShowWindow(window.get(), SW_HIDE);
  EXPECT_EQ(finder.GetWindowPixelColor(captures, IdOf(window.get()), 5, 6, true), -1);
  EXPECT_EQ(finder.FindImageInWindow(captures, IdOf(window.get()), PatternPiece(0, 0, 4, 4), nullptr, true), kNotFound);
}

TEST_F(WindowSearch, FindColorInWindowReportsCaptureCoordinates) {
  // The first pixel in buffer order is the region's bottom-left one: its own colour is
  // found there, in the capture's coordinates.
  SearchRegion region{10, 10, 0, 0};
  const COLORREF bottomLeft = PaintedWindow::At(10, kClientH - 1);
  const Point hit = finder.FindColorInWindow(captures, IdOf(window.get()), static_cast<std::int32_t>(bottomLeft), &region);
  EXPECT_EQ(region, (SearchRegion{10, 10, kClientW - 10, kClientH - 10}));
  EXPECT_EQ(hit, (Point{0, kClientH - 11}));
  const Point printed =
      finder.FindColorInWindow(captures, IdOf(window.get()), static_cast<std::int32_t>(bottomLeft), &region, 0, true);
  EXPECT_EQ(printed, (Point{0, kClientH - 11}));
  // No pixel of the pattern is black, but the row padding (110 pixels, 2 bytes) is index 0.
  EXPECT_EQ(finder.FindColorInWindow(captures, IdOf(window.get()), 0x000000, &region), (Point{kClientW - 10, kClientH - 11}));
}

}  // namespace
}  // namespace pixfarrow::win
