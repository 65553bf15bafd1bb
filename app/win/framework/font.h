#pragma once
// Fonts made from font descriptions, shared by every copy of the control that uses them.
#include <windows.h>

#include <memory>
#include <string_view>

#include "common/win/direct_gdi.h"

namespace quorvela::win {

using SharedFont = std::shared_ptr<const qv::win::DirectGdi::Font>;

// Starts from the default GUI font (any character set, proof quality); sizes follow the
// screen's vertical DPI. Null when the font cannot be made.
SharedFont SetFontFromText(std::string_view description);

inline HFONT fontOr(const SharedFont& font, HFONT fallback) { return font && *font ? font->get() : fallback; }

}  // namespace quorvela::win
