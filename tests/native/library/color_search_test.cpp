// Colours as the searches see them, and FindColorInImage walking the pixels of one colour.
#include <gtest/gtest.h>

#include <algorithm>
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

// The red pixels of an image in the order the walk visits them (bottom row first).
std::vector<Point> RedPixels(int width, int height, bool (*red)(int x, int y)) {
  std::vector<Point> points;
  for (int y = height - 1; y >= 0; --y)
    for (int x = 0; x < width; ++x)
      if (red(x, y)) points.push_back({x, y});
  return points;
}

TEST(ColorSearchThreads, TwoWalkersNeverSeeHalfAnUpdate) {
  const ByteSet a = FourReds();
  auto bRed = [](int x, int y) { return (x + y) % 3 == 0; };
  const ByteSet b = test::Bmp24(8, 8, [&](int x, int y) { return bRed(x, y) ? 0xFF0000u : 0xFFFFFFu; });
  const std::vector<Point> aReds = {{0, 2}, {5, 2}, {1, 0}, {4, 0}};
  const std::vector<Point> bReds = RedPixels(8, 8, bRed);
  auto isRedOfEither = [&](Point p) {
    return std::find(aReds.begin(), aReds.end(), p) != aReds.end() ||
           std::find(bReds.begin(), bReds.end(), p) != bReds.end();
  };
  auto walk = [&](const ByteSet& image, Point firstRed) {
    const ImageFinder finder;
    for (int i = 0; i < 300; ++i) {
      // Giving the image and the colour starts the walk over in this call, whatever the
      // other thread did before.
      EXPECT_EQ(finder.FindColorInImage(image, kRed), firstRed);
      // The walk then goes on in whichever image was given last: one of its red pixels.
      for (int k = 0; k < 3; ++k) {
        const Point p = finder.FindColorInImage();
        EXPECT_TRUE(p == kNotFound || isRedOfEither(p)) << p.x << ", " << p.y;
      }
    }
  };
  ASSERT_EQ(bReds.front(), (Point{2, 7}));
  std::thread first(walk, std::cref(a), aReds.front()), second(walk, std::cref(b), bReds.front());
  first.join();
  second.join();
}

}  // namespace
}  // namespace pixfarrow
