#include <gtest/gtest.h>

#include <limits>

#include "digit_font.h"
#include "library/core/image_finder.h"

namespace pixfarrow {
namespace {

constexpr std::uint32_t kRedRgb = 0xFF0000, kWhiteRgb = 0xFFFFFF;
constexpr std::int32_t kRed = 0x0000FF;  // as a colour, 0x00BBGGRR

FontSpec Font(int bold = 1) { return {0, bold, 0, 0, 0, 9, "SimSun"}; }

TEST(FindTextWithFontInImage, ReadsTheDigitsLeftToRight) {
  struct Case {
    std::string written;
    std::int32_t number;
  };
  const Case cases[] = {
      {"305", 305},
      {"007", 7},
      {"1", 1},
      {"2147483647", std::numeric_limits<std::int32_t>::max()},
      {"99999999999", std::numeric_limits<std::int32_t>::max()},  // beyond int32: its largest value
      {"", -1},
  };
  const test::DigitFont font;
  for (const Case& c : cases) {
    const int width = 4 + 4 * static_cast<int>(c.written.size()) + 3;
    const ByteSet image = test::BmpWithText(width, 8, {{c.written, 2, 1}}, kRedRgb, kWhiteRgb);
    ImageFinder finder;
    EXPECT_EQ(finder.FindTextWithFontInImage(font, image, kRed, Font()), c.number) << c.written;
  }
}

TEST(FindTextWithFontInImage, OnlyWholeDigitsInTheColour) {
  const test::DigitFont font;
  struct Case {
    const char* name;
    std::vector<test::Written> texts;
    int width;
    std::uint32_t ink;
    std::int32_t number;
  };
  const Case cases[] = {
      {"another colour", {{"42", 2, 1}}, 20, 0x0000FF, -1},
      // The "1" inks the blank column of the "4" box: only the "1" is read.
      {"a digit touched by another", {{"4", 2, 1}, {"1", 5, 1}}, 12, kRedRgb, 1},
      {"a box cut by the right edge", {{"7", 2, 1}}, 5, kRedRgb, -1},
  };
  for (const Case& c : cases) {
    ImageFinder finder;
    const ByteSet image = test::BmpWithText(c.width, 8, c.texts, c.ink, kWhiteRgb);
    EXPECT_EQ(finder.FindTextWithFontInImage(font, image, kRed, Font()), c.number) << c.name;
  }
}

TEST(FindTextWithFontInImage, LeavesTheFinderSetAndSurvivesAnImageItCannotLoad) {
  const test::DigitFont font;
  ImageFinder finder;
  finder.SetFont("abc", 0, {0, 0, 1, 1, 1, 30, "Old"});
  EXPECT_EQ(finder.FindTextWithFontInImage(font, ByteSet(70, 1), kRed, Font(1)), -1);
  EXPECT_EQ(finder.searchText, "9");
  EXPECT_EQ(finder.textColour, kRed);
  EXPECT_EQ(finder.fontWeight, 700);
  EXPECT_EQ(finder.fontSize, 9);
  EXPECT_EQ(finder.italic, 0);
  EXPECT_EQ(finder.fontFace, "SimSun");
}

TEST(SetFont, StoresTextColourAndFont) {
  ImageFinder finder;
  finder.SetFont("12", 0x123456, {77, 0, 1, 2, 3, 11, "黑体"});
  EXPECT_EQ(finder.searchText, "12");
  EXPECT_EQ(finder.textColour, 0x123456);
  EXPECT_EQ(finder.fontWeight, 400);
  EXPECT_EQ(finder.italic, 1);
  EXPECT_EQ(finder.strikeOut, 2);
  EXPECT_EQ(finder.underline, 3);
  EXPECT_EQ(finder.fontSize, 11);
  EXPECT_EQ(finder.fontFace, "黑体");
  // What the renderer is asked to draw.
  const test::DigitFont font;
  std::vector<PatternOffset> text = {{1, 1}}, background;
  finder.RenderTextPattern(font, text, background);
  EXPECT_EQ(font.lastText, "12");
  EXPECT_EQ(font.lastFace, "黑体");
  EXPECT_EQ(font.lastSize, 11);
  EXPECT_EQ(font.lastWeight, 400);
  EXPECT_EQ(text.size() + background.size() + 1, 8u * 5u);
}

TEST(FindTextInImage, FirstOccurrenceAndAll) {
  const test::DigitFont font;
  ImageFinder finder;
  finder.SetFont("12", kRed, Font());
  // "12" twice: top-left corners (2, 1) and (12, 7); anchors are the bottom-left pixel
  // of the "1", its cell's bottom row ".###" starting at x = 0.
  const ByteSet image = test::BmpWithText(24, 14, {{"12", 2, 1}, {"12", 12, 7}}, kRedRgb, kWhiteRgb);
  EXPECT_EQ(finder.FindTextInImage(font, image), (Point{12, 11}));
  std::vector<Point> hits = {{0, 0}};
  EXPECT_EQ(finder.FindTextInImageAlt(font, hits, image), 2);
  EXPECT_EQ(hits, (std::vector<Point>{{12, 11}, {2, 5}}));

  // Nothing to find: an image that cannot be loaded, a text that is not there, no text.
  EXPECT_EQ(finder.FindTextInImage(font, ByteSet{}), kNotFound);
  EXPECT_EQ(finder.FindTextInImageAlt(font, hits, ByteSet(60, 9)), 0);
  finder.SetFont("7", kRed, Font());
  EXPECT_EQ(finder.FindTextInImage(font, image), kNotFound);
  finder.SetFont({}, kRed, Font());
  EXPECT_EQ(finder.FindTextInImage(font, image), kNotFound);
}

}  // namespace
}  // namespace pixfarrow
