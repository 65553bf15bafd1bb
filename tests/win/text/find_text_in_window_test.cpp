// The finder's text search in a real window, through the GDI captures.
#include <gtest/gtest.h>

#include <windows.h>

#include "library/core/image_finder.h"
#include "library/win/search/gdi_window_captures.h"
#include "library/win/text/gdi_text_renderer.h"
#include "tests/win/text/text_window.h"

namespace pixfarrow::win {
namespace {

constexpr int kClientW = 300, kClientH = 200, kTextX = 50, kTextY = 30;

WindowId IdOf(HWND window) { return static_cast<WindowId>(reinterpret_cast<std::uintptr_t>(window)); }

Point FirstTextPixelFromTheBottom(const TextMask& mask) {
  for (int y = mask.height - 1; y >= 0; --y) {
    for (int x = 0; x < mask.width; ++x) {
      if (mask.IsText(x, y)) return {x, y};
    }
  }
  return kNotFound;
}

ImageFinder FinderOfRedAb() {
  ImageFinder finder;
  finder.SetFont("Ab", 0x0000FF, {0, 0, 0, 0, 0, 9, "SimSun"});
  return finder;
}

class FindTextInWindowTest : public ::testing::Test {
 protected:
  const GdiTextRenderer renderer;
  ImageFinder finder = FinderOfRedAb();
  const TextMask drawing = renderer.Render(finder.Style());
  const Point anchor = FirstTextPixelFromTheBottom(drawing);
  qv::test::TextWindow window{40, 40, kClientW, kClientH, drawing, kTextX, kTextY};
  GdiWindowCaptures captures;
};

TEST_F(FindTextInWindowTest, ScreenOrClientCoordinatesAndTheRegionWrittenBack) {
  ASSERT_NE(anchor, kNotFound);
  const POINT origin = window.ClientOrigin();
  const Point inClient{kTextX + anchor.x, kTextY + anchor.y};
  const Point onScreen{origin.x + inClient.x, origin.y + inClient.y};
  const WindowId id = IdOf(window.get());

  SearchRegion whole;
  EXPECT_EQ(finder.FindTextInWindow(captures, renderer, id, whole), onScreen);
  EXPECT_EQ(whole, (SearchRegion{0, 0, kClientW, kClientH}));

  SearchRegion own;
  EXPECT_EQ(finder.FindTextInWindow(captures, renderer, id, own, 0, 0, true), inClient);
  EXPECT_EQ(own, SearchRegion{});  // used as given

  SearchRegion part{kTextX - 10, kTextY - 10, 60, 0};
  EXPECT_EQ(finder.FindTextInWindow(captures, renderer, id, part), onScreen);
  EXPECT_EQ(part, (SearchRegion{kTextX - 10, kTextY - 10, 60, kClientH - kTextY + 10}));

  SearchRegion right{250, 0, 100, 0};
  EXPECT_EQ(finder.FindTextInWindow(captures, renderer, id, right), kNotFound);
  EXPECT_EQ(right, (SearchRegion{250, 0, 50, kClientH}));

  SearchRegion screen{origin.x + kTextX - 5, origin.y + kTextY - 5, 60, 40};
  EXPECT_EQ(finder.FindTextInWindow(captures, renderer, 0, screen), onScreen);
}

TEST_F(FindTextInWindowTest, OtherTextOrColourIsNotFound) {
  const WindowId id = IdOf(window.get());
  SearchRegion region;
  finder.SetFont("Ab", 0x00FF00, {0, 0, 0, 0, 0, 9, "SimSun"});
  EXPECT_EQ(finder.FindTextInWindow(captures, renderer, id, region), kNotFound);
  finder.SetFont("Ac", 0x0000FF, {0, 0, 0, 0, 0, 9, "SimSun"});
  EXPECT_EQ(finder.FindTextInWindow(captures, renderer, id, region, 0, 0, true), kNotFound);
}

}  // namespace
}  // namespace pixfarrow::win
