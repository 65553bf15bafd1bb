#pragma once
// A picture panel's picture from image file bytes or from the program's resources.
#include <cstdint>
#include <span>

#include "app/win/framework/picture_panel.h"

namespace quorvela::win {

// BMP files go through our own decoder (a file it refuses shows nothing); other formats
// (PNG, JPEG) go to the picture decoder as they are. true when the panel now shows a
// picture (at least 1 x 1).
bool SetPictureFromBytes(PicturePanel& panel, std::span<const std::uint8_t> bytes);

// The same with an image resource of the program.
bool SetPictureFromResource(PicturePanel& panel, int resourceId);

}  // namespace quorvela::win
