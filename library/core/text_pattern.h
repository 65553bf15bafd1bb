#pragma once
// A rendered text as the text searches compare it: the offsets, from one anchor pixel, of
// the pixels that belong to the text and of those that do not. Drawing the text is the
// platform's (TextRenderer); turning the drawing into offsets is here.
#include <cstdint>
#include <string_view>
#include <vector>

namespace pixfarrow {

struct PatternOffset {
  std::int32_t dx = 0;
  std::int32_t dy = 0;  // downward
  friend bool operator==(const PatternOffset&, const PatternOffset&) = default;
};

struct TextPattern {
  std::vector<PatternOffset> text;
  std::vector<PatternOffset> background;
};

// What the text is drawn with: the finder's text and font fields.
struct TextStyle {
  std::string_view text;  // 8-bit system code page
  std::int32_t size = 0;  // points
  std::int32_t weight = 0;
  std::int32_t italic = 0;
  std::int32_t underline = 0;
  std::int32_t strikeOut = 0;
  std::string_view face;
};

// The drawing: one flag per pixel, rows from the top, non-zero where the text is.
struct TextMask {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint8_t> text;  // width x height

  bool IsText(std::int32_t x, std::int32_t y) const {
    return text[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] != 0;
  }
};

class TextRenderer {
 public:
  virtual ~TextRenderer() = default;
  virtual TextMask Render(const TextStyle& style) const = 0;
};

struct CellSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const CellSize&, const CellSize&) = default;
};

// Largest cell drawn; a larger one (an absurd font size) is drawn as no cell at all, which
// gives the empty pattern instead of lists of millions of offsets.
inline constexpr std::int64_t kMaxCellPixels = std::int64_t{1} << 22;

// The cell a text is drawn in: height = trunc(points x dpi / 72), width = trunc(height x
// bytes / 2), so a single-byte character gets half the height and a double-byte one all of
// it. 0 x 0 when either is not positive or the cell exceeds kMaxCellPixels.
CellSize TextCellSize(std::int32_t points, std::int32_t dpiY, std::size_t textBytes);

// The anchor is the first text pixel met from the bottom row up, each row left to right,
// and belongs to neither list. Text offsets: the other text pixels in that order.
// Background: the non-text pixels after the anchor in that order, then those before it.
// With no text pixel, every pixel is background, offset from (-1, 0).
TextPattern TextPatternFromMask(const TextMask& mask);

}  // namespace pixfarrow
