// The finder's text drawn with GDI: cell size, what counts as text, no GDI object left.
#include "library/win/text/gdi_text_renderer.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/win/bitmap/gdi_object_count.h"

namespace pixfarrow::win {
namespace {

TextStyle Style(std::string_view text, std::int32_t size = 9) { return {text, size, 400, 0, 0, 0, "SimSun"}; }

int ScreenDpiY() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

std::size_t TextPixels(const TextMask& mask) {
  return static_cast<std::size_t>(std::count(mask.text.begin(), mask.text.end(), 1));
}

TEST(GdiTextRenderer, CellIsHalfTheHeightPerByteAtTheScreensDpi) {
  if (ScreenDpiY() != 96) GTEST_SKIP() << "the cases assume 96 dots per inch";
  struct Case {
    const char* name;
    std::string_view text;
    std::int32_t width, height;
  };
  const Case cases[] = {
      {"one single-byte character", "8", 6, 12},
      {"one double-byte character", "\xD6\xD0", 12, 12},  // 中 in GBK
      {"three characters", "305", 18, 12},
  };
  const GdiTextRenderer renderer;
  for (const Case& c : cases) {
    const TextMask mask = renderer.Render(Style(c.text));
    EXPECT_EQ(mask.width, c.width) << c.name;
    EXPECT_EQ(mask.height, c.height) << c.name;
    ASSERT_EQ(mask.text.size(), static_cast<std::size_t>(c.width * c.height)) << c.name;
    EXPECT_GT(TextPixels(mask), 4u) << c.name;
    EXPECT_LT(TextPixels(mask), mask.text.size() / 2) << c.name;
  }
}

TEST(GdiTextRenderer, NothingToDraw) {
  const GdiTextRenderer renderer;
  for (const TextStyle& style : {Style(""), Style("8", 0), Style("8", -12), Style("8", 5000000)}) {
    const TextMask mask = renderer.Render(style);
    EXPECT_EQ(mask.width, 0);
    EXPECT_TRUE(mask.text.empty());
  }
  // A space draws no pixel: a cell of background only.
  const TextMask blank = renderer.Render(Style(" "));
  EXPECT_GT(blank.width, 0);
  EXPECT_EQ(TextPixels(blank), 0u);
}

TEST(GdiTextRenderer, BoldDrawsMoreAndAnUnknownFaceStillDraws) {
  const GdiTextRenderer renderer;
  TextStyle bold = Style("HH", 20);
  bold.weight = 700;
  EXPECT_GT(TextPixels(renderer.Render(bold)), TextPixels(renderer.Render(Style("HH", 20))));
  TextStyle unknown = Style("HH", 20);
  unknown.face = "No Such Face Anywhere";
  EXPECT_GT(TextPixels(renderer.Render(unknown)), 0u);
}

// The text written by TextOutA in the same font into a 24-bit DIB of the cell's size, red
// on black at (0, 0): one flag per pixel, non-zero where the pixel is not black.
std::vector<std::uint8_t> TextOutFlags(const TextStyle& style, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ oldBitmap = SelectObject(dc, dib);
  const std::string face(style.face), text(style.text);
  HFONT font = CreateFontA(height, 0, 0, 0, style.weight, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, face.c_str());
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 0, 0));
  TextOutA(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
  GdiFlush();
  const int rowBytes = (width * 3 + 3) / 4 * 4;
  const auto* p = static_cast<const std::uint8_t*>(bits);
  std::vector<std::uint8_t> flags;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* px = p + y * rowBytes + x * 3;
      flags.push_back((px[0] | px[1] | px[2]) != 0);
    }
  }
  SelectObject(dc, oldFont);
  DeleteObject(font);
  SelectObject(dc, oldBitmap);
  DeleteDC(dc);
  DeleteObject(dib);
  ReleaseDC(nullptr, screen);
  return flags;
}

TEST(GdiTextRenderer, TextPixelsAreWhatTextOutDraws) {
  const GdiTextRenderer renderer;
  for (const TextStyle& style : {Style("Ab"), Style("305", 14), Style("\xD6\xD0", 12)}) {
    const TextMask mask = renderer.Render(style);
    ASSERT_GT(mask.width, 0);
    EXPECT_EQ(mask.text, TextOutFlags(style, mask.width, mask.height)) << style.text;
  }
}

TEST(GdiTextRenderer, LeavesNoGdiObject) {
  const GdiTextRenderer renderer;
  for (int i = 0; i < 5; ++i) renderer.Render(Style("Ab3"));
  const auto before = qv::test::LiveGdiObjects();
  ASSERT_TRUE(before) << "no GDI object counter: neither GetGuiResources nor Wine's handle table answers";
  for (int i = 0; i < 300; ++i) renderer.Render(Style(i % 2 ? "Ab3" : "", 9 + i % 5));
  const auto after = qv::test::LiveGdiObjects();
  ASSERT_TRUE(after);
  EXPECT_EQ(*after, *before);
}

}  // namespace
}  // namespace pixfarrow::win
