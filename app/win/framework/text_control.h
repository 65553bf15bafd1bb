#pragma once
// A control that draws text in a font of its own (shared by its copies).
#include "app/core/framework/window_object.h"
#include "app/win/framework/font.h"

namespace quorvela::win {

class TextControl : public VolClass<TextControl, WindowObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::TextControl";

  // Replaces the control's font; a window that exists takes it at once.
  void setFont(SharedFont newFont) {
    font = std::move(newFont);
    if (hasWindow()) {
      SendMessageW(reinterpret_cast<HWND>(windowHandle()), WM_SETFONT, reinterpret_cast<WPARAM>(fontOr(font, nullptr)), TRUE);
    }
  }

  SharedFont font;
};

}  // namespace quorvela::win
