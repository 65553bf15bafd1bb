// Colours as the searches see them, and FindColorInImage walking the pixels of one colour.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "bmp_builder.h"
#include "library/core/color_search.h"
#include "library/core/color_tables.h"
#include "library/core/image_finder.h"

namespace pixfarrow {
namespace {

// 0x00RRGGBB to a COLORREF 0x00BBGGRR.
std::int32_t ColourRef(std::uint32_t rgb) {
  return static_cast<std::int32_t>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

TEST(ColorSearch, ColourToPaletteIndex) {
  struct Case {
    std::uint32_t rgb;
    int index;
  };
  for (const Case c : {Case{0xFF0000, 249}, Case{0xFFFFFF, 255}, Case{0x000000, 0}, Case{0x402000, 10},
                       Case{0x008000, 2}, Case{0x808080, 164}, Case{0x0000FF, 252}, Case{0xFE0101, 249}}) {
    const ImageFinder finder;
    EXPECT_EQ(finder.ColorToPaletteIndex(ColourRef(c.rgb)), c.index) << std::hex << c.rgb;
    EXPECT_EQ(finder.ColorToPaletteByte(ColourRef(c.rgb)), ByteSet{static_cast<std::uint8_t>(c.index)});
  }
  // The top byte (system colours and the like) does not change the index.
  EXPECT_EQ(ImageFinder().ColorToPaletteIndex(static_cast<std::int32_t>(0xFF0000FF)), 249);
}

TEST(ColorSearch, PixelAtMapsPositionsBottomUp) {
  struct Case {
    std::int64_t pos;
    std::int32_t stride, height;
    Point want;
  };
  for (const Case& c : {Case{1, 8, 3, {0, 2}}, Case{8, 8, 3, {7, 2}}, Case{9, 8, 3, {0, 1}}, Case{24, 8, 3, {7, 0}},
                        Case{0, 8, 3, kNotFound}, Case{5, 0, 3, kNotFound}, Case{5, 8, 0, kNotFound}}) {
    EXPECT_EQ(PixelAt(c.pos, c.stride, c.height), c.want) << c.pos;
  }
}

// A 6 x 3 image (stride 8) with red at four places, the rest white.
ByteSet FourReds() {
  return test::Bmp24(6, 3, [](int x, int y) {
    const bool red = (x == 1 && y == 0) || (x == 4 && y == 0) || (x == 0 && y == 2) || (x == 5 && y == 2);
    return red ? 0xFF0000u : 0xFFFFFFu;
  });
}

constexpr std::int32_t kRed = 0x0000FF;  // COLORREF

TEST(ColorSearch, FindColorInImageWalksThePixelsAndWrapsAround) {
  const ImageFinder finder;
  // Buffer order: the bottom row first, left to right.
  EXPECT_EQ(finder.FindColorInImage(FourReds(), kRed), (Point{0, 2}));
  EXPECT_EQ(finder.FindColorInImage(), (Point{5, 2}));
  EXPECT_EQ(finder.FindColorInImage(), (Point{1, 0}));
  EXPECT_EQ(finder.FindColorInImage(), (Point{4, 0}));
  EXPECT_EQ(finder.FindColorInImage(), kNotFound);
  EXPECT_EQ(finder.FindColorInImage(), (Point{0, 2}));
  // A colour given again starts over.
  EXPECT_EQ(finder.FindColorInImage({}, kRed), (Point{0, 2}));
}

TEST(ColorSearch, NewImageWithoutColourGoesOnAfterTheOldPosition) {
  const ImageFinder finder;
  EXPECT_EQ(finder.FindColorInImage(FourReds(), kRed), (Point{0, 2}));
  EXPECT_EQ(finder.FindColorInImage(), (Point{5, 2}));  // position 6
  const ByteSet allRed = test::Bmp24(4, 2, [](int, int) { return 0xFF0000u; });
  EXPECT_EQ(finder.FindColorInImage(allRed), (Point{2, 0}));  // position 7 of the new image
  // An image that cannot be loaded leaves nothing to search.
  EXPECT_EQ(finder.FindColorInImage(ByteSet{'n', 'o'}, kRed), kNotFound);
}

TEST(ColorSearch, ToleranceAndPadding) {
  const ImageFinder finder;
  // Index 10 (402000) and 11 (602000) are one apart in the palette, far from 249 (red).
  const ByteSet image = test::Bmp24(3, 1, [](int x, int) { return x == 2 ? 0x602000u : 0xFF0000u; });
  EXPECT_EQ(finder.FindColorInImage(image, ColourRef(0x402000)), kNotFound);
  EXPECT_EQ(finder.FindColorInImage({}, ColourRef(0x402000), 1), (Point{2, 0}));
  // The row's padding byte is index 0 (black) and is searched as a pixel at x = width.
  EXPECT_EQ(finder.FindColorInImage({}, ColourRef(0x000000)), (Point{3, 0}));
  // A negative tolerance accepts nothing.
  EXPECT_EQ(finder.FindColorInImage({}, kRed, -1), kNotFound);
}

// Runs alone in its process (ctest runs one case per process), so the library-wide cache
// starts empty here.
TEST(ColorSearch, BeforeAnyColourOnlyAToleranceSearchesIndexZero) {
  const ImageFinder finder;
  const ByteSet image = test::Bmp24(2, 1, [](int x, int) { return x == 0 ? 0xFFFFFFu : 0x800000u; });
  EXPECT_EQ(finder.FindColorInImage(image), kNotFound);
  EXPECT_EQ(finder.FindColorInImage({}, std::nullopt, 1), (Point{1, 0}));  // 800000 is index 1
}

TEST(ColorSearchThreads, TwoWalkersNeverSeeHalfAnUpdate) {
  const ByteSet a = FourReds();
  const ByteSet b = test::Bmp24(8, 8, [](int x, int y) { return (x + y) % 3 ? 0xFFFFFFu : 0xFF0000u; });
  auto walk = [](const ByteSet& image) {
    const ImageFinder finder;
    for (int i = 0; i < 300; ++i) {
      const Point p = finder.FindColorInImage(image, kRed);
      // Whatever the other thread did, a hit lies in one of the two images.
      EXPECT_TRUE(p == kNotFound || (p.x >= 0 && p.x < 8 && p.y >= 0 && p.y < 8));
      for (int k = 0; k < 3; ++k) finder.FindColorInImage();
    }
  };
  std::thread first(walk, std::cref(a)), second(walk, std::cref(b));
  first.join();
  second.join();
}

}  // namespace
}  // namespace pixfarrow
