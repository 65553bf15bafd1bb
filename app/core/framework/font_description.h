#pragma once
// Font descriptions: "face, size, bold, italic, underline, strikeout, angle", such as
// "黑体, 12, 1, 0, 0, 0, 0". Missing parts keep the values of the font they start from.
#include <string>
#include <string_view>

namespace quorvela {

// The fields of a GDI logical font that a description sets.
struct LogicalFont {
  std::u16string face;  // at most kMaxFaceLength units
  int height = 0;       // negative: character height in pixels
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int escapement = 0;   // tenths of a degree, also the orientation

  static constexpr std::size_t kMaxFaceLength = 31;
  bool operator==(const LogicalFont&) const = default;
};

// Applies a UTF-8 description to start; the size in points becomes a pixel height at the
// screen's vertical DPI. Text that is not a number counts as 0.
LogicalFont applyFontDescription(std::string_view description, LogicalFont start, int verticalDpi);

}  // namespace quorvela
