#pragma once
// Where a picture is drawn in a client area, by picture mode.
#include <vector>

#include "app/core/framework/control_design.h"

namespace quorvela {

enum class PictureMode : int {
  kTopLeft = 0,   // natural size at the top-left corner
  kTiled = 1,
  kCentred = 2,   // centred, scaled down proportionally when larger, never enlarged
  kStretched = 3, // the whole client area
};

// The rectangles the picture is drawn into (several when tiled); none for an empty picture,
// an empty area or an unknown mode.
std::vector<DesignRect> placePicture(int mode, int pictureWidth, int pictureHeight, int clientWidth, int clientHeight);

// The centred square of side min(width, height) that a circle shape fills.
DesignRect centredSquare(int width, int height);

}  // namespace quorvela
