#pragma once
// A shape drawn on a background: a circle fills the centred square of the box, its
// outline drawn inside.
#include <cstdint>

#include "app/core/framework/window_object.h"
#include "app/win/framework/background.h"
#include "app/win/framework/panel.h"

namespace quorvela::win {

class ShapeBox : public VolClass<ShapeBox, WindowObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::ShapeBox";

  bool create(const ControlPlacement& placement);
  bool onMessage(WindowMessage& message) override;

  std::uint32_t background = kSystemColour;
  std::uint32_t outlineColour = 0x000000;
  int outlineWidth = 1;
  std::uint32_t fillColour = 0xFFFFFF;
};

}  // namespace quorvela::win
