// The searches in a window over a scene of our own: which capture is asked for, how the
// region is clamped and written back, and which coordinates come out.
#include <gtest/gtest.h>

#include <vector>

#include "bmp_builder.h"
#include "library/core/color_tables.h"
#include "library/core/image_finder.h"
#include "library/core/nearest_color.h"

namespace pixfarrow {
namespace {

// A screen of 200 x 150 palette indexes with one window whose client area lies at
// (30, 20), 100 x 80. The window's own image is the screen under it, except that the
// print form sees a marker at client (60, 50) that a covering window hides on the screen.
class FakeCaptures final : public WindowCaptures {
 public:
  static constexpr WindowId kWindow = 77;
  static constexpr int kScreenW = 200, kScreenH = 150;
  static constexpr ClientArea kClient{30, 20, 100, 80};

  FakeCaptures() : screen(kScreenH, std::vector<std::uint8_t>(kScreenW, 255)) {}

  std::vector<std::vector<std::uint8_t>> screen;  // [y][x]
  std::vector<std::vector<std::uint8_t>> ownImageMarks;  // client coordinates
  struct Call {
    char kind;  // 'w' window client, 's' screen
    std::int32_t x, y, width, height;
    friend bool operator==(const Call&, const Call&) = default;
  };
  std::vector<Call> calls;
  bool windowVisible = true;

  std::optional<PaletteImage> WindowClientPixels(WindowId window, std::int32_t x, std::int32_t y, std::int32_t width,
                                                 std::int32_t height) override {
    calls.push_back({'w', x, y, width, height});
    if (window != kWindow || !windowVisible) return std::nullopt;
    if (width == 0) width = kClient.width - x;
    if (height == 0) height = kClient.height - y;
    return Cut(kClient.originX + x, kClient.originY + y, width, height, true);
  }
  std::optional<PaletteImage> ScreenPixels(std::int32_t x, std::int32_t y, std::int32_t width,
                                           std::int32_t height) override {
    calls.push_back({'s', x, y, width, height});
    if (width == 0) width = kScreenW - x;
    if (height == 0) height = kScreenH - y;
    return Cut(x, y, width, height, false);
  }
  std::uint32_t WindowClientColour(WindowId window, std::int32_t x, std::int32_t y) override {
    calls.push_back({'w', x, y, 1, 1});
    if (window != kWindow || !windowVisible) return kInvalidColour;
    return ColourOf(At(kClient.originX + x, kClient.originY + y, true));
  }
  std::uint32_t ScreenColour(std::int32_t x, std::int32_t y) override {
    calls.push_back({'s', x, y, 1, 1});
    return ColourOf(At(x, y, false));
  }
  ClientArea ClientAreaOf(WindowId window) override { return window == kWindow ? kClient : ClientArea{}; }

  void Put(int x, int y, std::uint8_t index) { screen[y][x] = index; }

  static constexpr int kMarkX = 60, kMarkY = 50;  // client coordinates
  static constexpr std::uint8_t kMark = 252;       // blue

 private:
  std::uint8_t At(int x, int y, bool ownImage) const {
    if (ownImage && x == kClient.originX + kMarkX && y == kClient.originY + kMarkY) return kMark;
    if (x < 0 || y < 0 || x >= kScreenW || y >= kScreenH) return 0;
    return screen[y][x];
  }
  static std::uint32_t ColourOf(std::uint8_t index) {
    const Rgb rgb = kFixedColors[index];
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
  }
  std::optional<PaletteImage> Cut(int left, int top, int width, int height, bool ownImage) const {
    if (width <= 0 || height <= 0) return std::nullopt;
    PaletteImage image;
    image.width = width;
    image.height = height;
    image.stride = (width + 3) / 4 * 4;
    image.pixels.assign(static_cast<std::size_t>(image.stride) * height, 0);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        image.pixels[static_cast<std::size_t>(height - 1 - y) * image.stride + x] = At(left + x, top + y, ownImage);
      }
    }
    return image;
  }
};

// An 8-bit file of FixedPalette indexes.
ByteSet Target(int w, int h, const std::function<std::uint8_t(int, int)>& index) {
  return test::Bmp8(w, h, std::vector<std::uint32_t>(kFixedColors.begin(), kFixedColors.end()), index);
}

// A 3 x 3 target of distinct indexes painted on the screen with its top-left at (x, y).
void PaintTarget(FakeCaptures& captures, int x, int y) {
  for (int dy = 0; dy < 3; ++dy) {
    for (int dx = 0; dx < 3; ++dx) captures.Put(x + dx, y + dy, static_cast<std::uint8_t>(40 + dx + 3 * dy));
  }
}
const ByteSet kTarget = Target(3, 3, [](int x, int y) { return static_cast<std::uint8_t>(40 + x + 3 * y); });

constexpr WindowId kWindow = FakeCaptures::kWindow;

TEST(WindowSearch, FindImageInWindowCoordinatesAndRegions) {
  struct Case {
    const char* name;
    WindowId window;
    SearchRegion region;
    bool printWindow;
    Point want;
    SearchRegion regionAfter;
    FakeCaptures::Call capture;
  };
  // The target's top-left lies at client (40, 30), screen (70, 50); its centre one further.
  for (const Case& c : {
           Case{"whole client area, screen coordinates", kWindow, {}, false, {71, 51}, {0, 0, 100, 80},
                {'s', 30, 20, 100, 80}},
           Case{"print form: client coordinates", kWindow, {}, true, {41, 31}, {}, {'w', 0, 0, 0, 0}},
           Case{"region inside the client area", kWindow, {35, 25, 20, 20}, false, {71, 51}, {35, 25, 20, 20},
                {'s', 65, 45, 20, 20}},
           Case{"too wide a region is clamped", kWindow, {10, 5, 500, 0}, false, {71, 51}, {10, 5, 90, 75},
                {'s', 40, 25, 90, 75}},
           Case{"print form keeps the region as given", kWindow, {40, 30, 3, 3}, true, {41, 31}, {40, 30, 3, 3},
                {'w', 40, 30, 3, 3}},
           Case{"no window: the screen as given", 0, {60, 40, 0, 0}, false, {71, 51}, {60, 40, 0, 0},
                {'s', 60, 40, 0, 0}},
           Case{"region that misses the target", kWindow, {0, 0, 40, 80}, false, kNotFound, {0, 0, 40, 80},
                {'s', 30, 20, 40, 80}},
       }) {
    SCOPED_TRACE(c.name);
    FakeCaptures captures;
    PaintTarget(captures, 70, 50);
    SearchRegion region = c.region;
    EXPECT_EQ(ImageFinder().FindImageInWindow(captures, c.window, kTarget, &region, c.printWindow), c.want);
    EXPECT_EQ(region, c.regionAfter);
    ASSERT_EQ(captures.calls.size(), 1u);
    EXPECT_EQ(captures.calls[0], c.capture);
  }
}

TEST(WindowSearch, FailuresFindNothing) {
  FakeCaptures captures;
  PaintTarget(captures, 70, 50);
  const ImageFinder finder;
  // A small image that cannot be loaded, after the capture (and its write-back).
  SearchRegion region;
  EXPECT_EQ(finder.FindImageInWindow(captures, kWindow, ByteSet{'x'}, &region), kNotFound);
  EXPECT_EQ(region, (SearchRegion{0, 0, 100, 80}));
  EXPECT_EQ(finder.FindImageInWindow(captures, kWindow, {}), kNotFound);
  // A window that cannot be captured in the print form.
  captures.windowVisible = false;
  EXPECT_EQ(finder.FindImageInWindow(captures, kWindow, kTarget, nullptr, true), kNotFound);
  // A region that starts at or beyond the client area's edge captures nothing rather than
  // the screen beside the window.
  captures.calls.clear();
  for (SearchRegion beyond : {SearchRegion{100, 0, 0, 0}, SearchRegion{150, 0, 10, 10}, SearchRegion{0, 90, 0, 0}}) {
    EXPECT_EQ(finder.FindImageInWindow(captures, kWindow, kTarget, &beyond), kNotFound);
  }
  EXPECT_TRUE(captures.calls.empty());
}

TEST(WindowSearch, CoveredWindowFoundOnlyInThePrintForm) {
  FakeCaptures captures;
  const ByteSet mark = Target(1, 1, [](int, int) { return FakeCaptures::kMark; });
  const ImageFinder finder;
  EXPECT_EQ(finder.FindImageInWindow(captures, kWindow, mark), kNotFound);
  EXPECT_EQ(finder.FindImageInWindow(captures, kWindow, mark, nullptr, true),
            (Point{FakeCaptures::kMarkX, FakeCaptures::kMarkY}));
}

TEST(WindowSearch, GetWindowPixelColor) {
  FakeCaptures captures;
  captures.Put(45, 27, 249);  // client (15, 7): red
  captures.Put(15, 7, 252);   // screen (15, 7): blue
  const ImageFinder finder;
  EXPECT_EQ(finder.GetWindowPixelColor(captures, kWindow, 15, 7), 0x0000FF);
  EXPECT_EQ(finder.GetWindowPixelColor(captures, kWindow, 15, 7, true), 0x0000FF);
  EXPECT_EQ(finder.GetWindowPixelColor(captures, 0, 15, 7), 0xFF0000);
  EXPECT_EQ(finder.GetWindowPixelColor(captures, kWindow, FakeCaptures::kMarkX, FakeCaptures::kMarkY, true), 0xFF0000);
  captures.windowVisible = false;
  EXPECT_EQ(finder.GetWindowPixelColor(captures, kWindow, 15, 7, true), -1);
  EXPECT_EQ(captures.calls.back(), (FakeCaptures::Call{'w', 15, 7, 1, 1}));
}

TEST(WindowSearch, FindColorInWindowReportsCaptureCoordinates) {
  struct Case {
    const char* name;
    WindowId window;
    SearchRegion region;
    std::int32_t colour;
    std::int32_t tolerance;
    bool printWindow;
    Point want;
  };
  constexpr std::int32_t kRed = 0x0000FF, kGreenish = 0x002040;  // COLORREFs of 249 and 10
  for (const Case& c : {
           Case{"hit in the region's top-left pixel is (0, 0)", kWindow, {10, 10, 0, 0}, kRed, 0, false, {0, 0}},
           Case{"the lowest row wins", kWindow, {}, kRed, 0, false, {5, 75}},
           Case{"print form", kWindow, {10, 10, 0, 0}, kRed, 0, true, {0, 0}},
           Case{"no window: screen region", 0, {40, 30, 10, 10}, kRed, 0, false, {0, 0}},
           Case{"absent colour", kWindow, {}, kGreenish, 0, false, kNotFound},
           Case{"tolerance reaches a neighbouring index", kWindow, {}, kGreenish, 1, false, {5, 5}},
       }) {
    SCOPED_TRACE(c.name);
    FakeCaptures captures;
    captures.Put(40, 30, 249);   // client (10, 10)
    captures.Put(35, 95, 249);   // client (5, 75)
    captures.Put(35, 25, 11);    // client (5, 5): index 11
    SearchRegion region = c.region;
    EXPECT_EQ(ImageFinder().FindColorInWindow(captures, c.window, c.colour, &region, c.tolerance, c.printWindow),
              c.want);
  }
}

}  // namespace
}  // namespace pixfarrow
