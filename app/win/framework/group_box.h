#pragma once
// A frame with a caption that holds other controls.
#include <cstdint>

#include "app/win/framework/background.h"
#include "app/win/framework/panel.h"
#include "app/win/framework/text_control.h"

namespace quorvela::win {

class GroupBox : public VolClass<GroupBox, TextControl> {
 public:
  static constexpr const char* kClassName = "quorvela::win::GroupBox";

  bool create(const ControlPlacement& placement);
  bool onMessage(WindowMessage& message) override;

  std::uint32_t background = kSystemColour;
  bool enabled = true;  // a disabled box draws its caption in the disabled style
};

}  // namespace quorvela::win
