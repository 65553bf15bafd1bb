#pragma once
// The system's rich edit control ("RichEdit20W"): multi-line, vertical scroll bar, word
// wrap, no length limit.
#include <cstdint>
#include <string>

#include "app/win/framework/panel.h"
#include "app/win/framework/text_control.h"

namespace quorvela::win {

class RichEditBox : public VolClass<RichEditBox, TextControl> {
 public:
  static constexpr const char* kClassName = "quorvela::win::RichEditBox";

  bool create(const ControlPlacement& placement);

  bool readOnly = false;
  bool border = false;
};

// Character format of appended text.
struct RichTextFont {
  std::wstring face;
  int points = 9;
  bool bold = false, italic = false, underline = false, strikeOut = false, isProtected = false;
  int offset = 0;
  std::uint32_t colour = 0xFF000000;  // 0xFF000000: the automatic colour
};

// Paragraph format; a null value skips paragraph formatting.
struct RichTextOptions {
  bool isNull = true;
  int alignment = 0;
};

// Inserts text at the end with its own character format (only the inserted range is
// formatted) and scrolls the newest line into view. Nothing without a window or text.
void RichEditAppend(const RichEditBox& box, const std::wstring& text, const RichTextFont& format,
                    const RichTextOptions& options);

}  // namespace quorvela::win
