#pragma once
// A stand-in for the platform's text drawing in the native tests: digits as 3 x 5 glyphs in
// cells 4 pixels wide (the last column blank), any other character as a blank cell.
#include <string>
#include <vector>

#include "library/core/byte_set.h"
#include "library/core/text_pattern.h"

namespace pixfarrow::test {

class DigitFont final : public TextRenderer {
 public:
  TextMask Render(const TextStyle& style) const override;

  // What the last Render was asked to draw.
  mutable std::string lastText, lastFace;
  mutable std::int32_t lastSize = 0, lastWeight = 0;
};

// Paints text as DigitFont draws it, in 0x00RRGGBB ink on paper, into a 24-bit BMP file of
// width x height with the text's top-left at (left, top). Several texts may be given.
struct Written {
  std::string text;
  int left, top;
};
ByteSet BmpWithText(int width, int height, const std::vector<Written>& texts, std::uint32_t ink,
                    std::uint32_t paper);

}  // namespace pixfarrow::test
