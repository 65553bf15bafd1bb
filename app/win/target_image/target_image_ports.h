#pragma once
// The target-image actions joined to the library, the run road, the run log, the preview
// and the target file.
#include "app/core/target_image/target_image_actions.h"
#include "app/win/framework/picture_panel.h"

namespace quorvela::win {

TargetImagePorts MakeTargetImagePorts(PicturePanel& preview);

}  // namespace quorvela::win
