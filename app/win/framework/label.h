#pragma once
// A static text: single line, left-aligned and vertically centred, or wrapped at words.
#include <cstdint>

#include "app/win/framework/background.h"
#include "app/win/framework/panel.h"
#include "app/win/framework/text_control.h"

namespace quorvela::win {

class Label : public VolClass<Label, TextControl> {
 public:
  static constexpr const char* kClassName = "quorvela::win::Label";

  bool create(const ControlPlacement& placement);
  bool onMessage(WindowMessage& message) override;

  bool transparent = false;                 // the parent's background shows through
  std::uint32_t background = kSystemColour;
  std::uint32_t textColour = kSystemColour; // system window-text colour
  bool wordWrap = false;
};

}  // namespace quorvela::win
