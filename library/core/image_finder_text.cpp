// The finder's text searches: SetFont, RenderTextPattern, and the searches in window captures
// and in BMP images.
#include <array>
#include <limits>

#include "library/core/image_finder.h"
#include "library/core/palette_image.h"
#include "library/core/pattern_search.h"

namespace pixfarrow {
namespace {

constexpr std::array<std::string_view, 10> kDigitTexts = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

// An image that cannot be loaded holds no pixels: the searches then find nothing.
PaletteImage LoadedOrEmpty(const ByteSet& image) {
  std::optional<PaletteImage> decoded = DecodePaletteImage(image);
  return decoded ? std::move(*decoded) : PaletteImage{};
}

// Decimal digits to int32, saturating at its maximum.
std::int32_t DecimalValue(const std::string& digits) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  for (const char d : digits) {
    value = value * 10 + (d - '0');
    if (value > kMax) return static_cast<std::int32_t>(kMax);
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace

void ImageFinder::SetFont(std::string_view text, std::int32_t colour, const FontSpec& font) {
  searchText.assign(text);
  textColour = colour;
  fontSize = font.size;
  fontWeight = font.bold != 0 ? 700 : 400;
  italic = font.italic;
  strikeOut = font.strikeOut;
  underline = font.underline;
  fontFace = font.face;
}

TextStyle ImageFinder::Style() const {
  return {searchText, fontSize, fontWeight, italic, underline, strikeOut, fontFace};
}

void ImageFinder::RenderTextPattern(const TextRenderer& renderer, std::vector<PatternOffset>& text,
                                   std::vector<PatternOffset>& background) const {
  TextPattern pattern = TextPatternFromMask(renderer.Render(Style()));
  text = std::move(pattern.text);
  background = std::move(pattern.background);
}

Point ImageFinder::SearchPattern(const ByteSet& pixels, std::int32_t width, std::int32_t height,
                                 const std::vector<PatternOffset>& text,
                                 const std::vector<PatternOffset>& background, std::int32_t tolerance,
                                 std::int32_t percent) const {
  return pixfarrow::SearchPattern(pixels, width, height, text, background, ColorToPaletteIndex(textColour), tolerance,
                                  percent);
}

std::int32_t ImageFinder::SearchPatternAll(std::vector<Point>& hits, const ByteSet& pixels, std::int32_t width,
                                           std::int32_t height, const std::vector<PatternOffset>& text,
                                           const std::vector<PatternOffset>& background, std::int32_t tolerance,
                                           std::int32_t textPercent, std::int32_t backgroundPercent) const {
  return pixfarrow::SearchPatternAll(hits, pixels, width, height, text, background, ColorToPaletteIndex(textColour),
                                     tolerance, textPercent, backgroundPercent);
}

std::int32_t ImageFinder::SearchPatternExactAll(std::vector<Point>& hits, const ByteSet& pixels, std::int32_t width,
                                                std::int32_t height, const std::vector<PatternOffset>& text,
                                                const std::vector<PatternOffset>& background) const {
  return pixfarrow::SearchPatternExactAll(hits, pixels, width, height, text, background,
                                          ColorToPaletteIndex(textColour));
}

Point ImageFinder::FindTextInWindow(WindowCaptures& captures, const TextRenderer& renderer, WindowId window,
                                    SearchRegion& region, std::int32_t tolerance, std::int32_t percent,
                                    bool windowImage) const {
  const RegionCapture capture = CaptureRegion(captures, window, region, windowImage);
  std::vector<PatternOffset> text, background;
  RenderTextPattern(renderer, text, background);
  if (!capture.image) return kNotFound;
  const PaletteImage& image = *capture.image;
  const Point found = SearchPattern(image.pixels, image.width, image.height, text, background, tolerance, percent);
  if (found == kNotFound) return found;
  return {AddClamped(found.x, capture.offsetX), AddClamped(found.y, capture.offsetY)};
}

Point ImageFinder::FindTextInImage(const TextRenderer& renderer, const ByteSet& image, std::int32_t tolerance,
                                   std::int32_t percent) const {
  const PaletteImage loaded = LoadedOrEmpty(image);
  std::vector<PatternOffset> text, background;
  RenderTextPattern(renderer, text, background);
  return SearchPattern(loaded.pixels, loaded.width, loaded.height, text, background, tolerance, percent);
}

std::int32_t ImageFinder::FindTextInImageAlt(const TextRenderer& renderer, std::vector<Point>& hits,
                                             const ByteSet& image, std::int32_t tolerance, std::int32_t textPercent,
                                             std::int32_t backgroundPercent) const {
  const PaletteImage loaded = LoadedOrEmpty(image);
  std::vector<PatternOffset> text, background;
  RenderTextPattern(renderer, text, background);
  return SearchPatternAll(hits, loaded.pixels, loaded.width, loaded.height, text, background, tolerance, textPercent,
                          backgroundPercent);
}

std::int32_t ImageFinder::FindTextWithFontInImage(const TextRenderer& renderer, const ByteSet& image,
                                                  std::int32_t colour, const FontSpec& font) {
  const PaletteImage loaded = LoadedOrEmpty(image);
  SetFont({}, colour, font);
  std::vector<std::string_view> columns(static_cast<std::size_t>(loaded.width));
  std::vector<PatternOffset> text, background;
  std::vector<Point> hits;
  for (const std::string_view digit : kDigitTexts) {
    searchText.assign(digit);
    RenderTextPattern(renderer, text, background);
    SearchPatternExactAll(hits, loaded.pixels, loaded.width, loaded.height, text, background);
    for (const Point& hit : hits) columns[static_cast<std::size_t>(hit.x)] = digit;
  }
  std::string number;
  for (const std::string_view digit : columns) number += digit;
  return number.empty() ? -1 : DecimalValue(number);
}

}  // namespace pixfarrow
