#pragma once
// The finder's text drawn with GDI: the cell of TextCellSize at the screen's vertical DPI,
// a bitmap compatible with the screen, the font made from the finder's fields (GB2312
// character set), the text in pure red on black at (0, 0), and every pixel read back with
// GetPixel: any colour but black (and not the invalid-colour answer) is text.
#include "library/core/text_pattern.h"

namespace pixfarrow::win {

class GdiTextRenderer final : public TextRenderer {
 public:
  // A cell that cannot be drawn (no bitmap or memory DC) is no cell: the empty mask.
  TextMask Render(const TextStyle& style) const override;
};

}  // namespace pixfarrow::win
