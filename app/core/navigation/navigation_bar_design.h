#pragma once
// The navigation bar as designed at 96 DPI: as high as the main form, with one button.
#include "app/core/framework/control_design.h"

namespace quorvela::navigation_bar {

inline constexpr int kWidth = 47;
inline constexpr int kControlCentreButtonId = 101;
inline constexpr DesignRect kControlCentreButton{0, 1, 47, 45};

}  // namespace quorvela::navigation_bar
