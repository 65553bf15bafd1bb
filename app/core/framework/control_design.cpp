#include "app/core/framework/control_design.h"

#include "app/core/framework/ui_scale.h"

namespace quorvela {

DesignRect scaledRect(const DesignRect& design, double scale) {
  return {UiScale::toPixels(scale, design.left), UiScale::toPixels(scale, design.top),
          UiScale::toPixels(scale, design.width), UiScale::toPixels(scale, design.height)};
}

std::optional<ControlDesign> findDesign(std::span<const ControlDesign> table, int id) {
  for (const auto& entry : table) {
    if (entry.id == id) return entry;
  }
  return std::nullopt;
}

}  // namespace quorvela
