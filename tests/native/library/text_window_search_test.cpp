// The text search in a window over a scene of our own: the capture it asks for, the region
// written back and the coordinates that come out.
#include <gtest/gtest.h>

#include "digit_font.h"
#include "library/core/image_finder.h"
#include "library/core/palette_image.h"
#include "palette_grid.h"

namespace pixfarrow {
namespace {

constexpr std::uint8_t kRedIndex = 249, kWhiteIndex = 255;
constexpr std::int32_t kRed = 0x0000FF;

// A 200 x 150 white screen showing "12" in the digit font at screen (40, 30), and one
// window whose client area lies at (30, 20), 100 x 80; its own image is what the screen
// shows there.
class Scene final : public WindowCaptures {
 public:
  static constexpr WindowId kWindow = 5;
  static constexpr ClientArea kClient{30, 20, 100, 80};

  Scene() : screen_(test::FilledGrid(200, 150, kWhiteIndex)) {
    const test::DigitFont font;
    const TextMask mask = font.Render({"12", 0, 0, 0, 0, 0, ""});
    for (int y = 0; y < mask.height; ++y) {
      for (int x = 0; x < mask.width; ++x) {
        if (mask.IsText(x, y)) screen_[30 + y][40 + x] = kRedIndex;
      }
    }
  }

  std::optional<PaletteImage> WindowClientPixels(WindowId window, std::int32_t x, std::int32_t y, std::int32_t width,
                                                 std::int32_t height) override {
    if (window != kWindow) return std::nullopt;
    return Cut(kClient.originX + x, kClient.originY + y, width ? width : kClient.width - x,
               height ? height : kClient.height - y);
  }
  std::optional<PaletteImage> ScreenPixels(std::int32_t x, std::int32_t y, std::int32_t width,
                                           std::int32_t height) override {
    return Cut(x, y, width ? width : 200 - x, height ? height : 150 - y);
  }
  std::uint32_t WindowClientColour(WindowId, std::int32_t, std::int32_t) override { return kInvalidColour; }
  std::uint32_t ScreenColour(std::int32_t, std::int32_t) override { return kInvalidColour; }
  ClientArea ClientAreaOf(WindowId window) override { return window == kWindow ? kClient : ClientArea{}; }

 private:
  std::optional<PaletteImage> Cut(int left, int top, int width, int height) const {
    if (width <= 0 || height <= 0 || left < 0 || top < 0 || left + width > 200 || top + height > 150) {
      return std::nullopt;
    }
    test::Grid part;
    for (int y = 0; y < height; ++y) part.emplace_back(screen_[top + y].begin() + left, screen_[top + y].begin() + left + width);
    return DecodePaletteImage(test::BmpOf(part));
  }

  test::Grid screen_;
};

TEST(FindTextInWindow, CoordinatesAndRegionByForm) {
  // "12" drawn at screen (40, 30): its anchor, the bottom-left pixel of the "1", is
  // screen (40, 34), client (10, 14).
  struct Case {
    const char* name;
    WindowId window;
    SearchRegion region;
    bool windowImage;
    Point found;
    SearchRegion writtenBack;
  };
  const Case cases[] = {
      {"window, whole client area", Scene::kWindow, {}, false, {40, 34}, {0, 0, 100, 80}},
      {"window, region reaching past the edge", Scene::kWindow, {5, 5, 500, 30}, false, {40, 34}, {5, 5, 95, 30}},
      {"window's own image", Scene::kWindow, {}, true, {10, 14}, {}},
      {"window's own image, region", Scene::kWindow, {8, 8, 20, 20}, true, {10, 14}, {8, 8, 20, 20}},
      {"screen", 0, {35, 25, 30, 20}, false, {40, 34}, {35, 25, 30, 20}},
      {"region beyond the client area", Scene::kWindow, {150, 0, 0, 0}, false, kNotFound, {150, 0, -50, 80}},
      {"region without the text", Scene::kWindow, {50, 0, 0, 0}, false, kNotFound, {50, 0, 50, 80}},
      {"window that is gone", 6, {}, true, kNotFound, {}},
  };
  const test::DigitFont font;
  for (const Case& c : cases) {
    Scene scene;
    ImageFinder finder;
    finder.SetFont("12", kRed, {});
    SearchRegion region = c.region;
    EXPECT_EQ(finder.FindTextInWindow(scene, font, c.window, region, 0, 0, c.windowImage), c.found) << c.name;
    EXPECT_EQ(region, c.writtenBack) << c.name;
  }
}

}  // namespace
}  // namespace pixfarrow
