#pragma once
// JPEG pictures of the picture controls (libjpeg-turbo).
#include <cstdint>
#include <optional>
#include <span>

#include "library/picture_core/picture_image.h"

namespace pixfarrow::picture {

// A baseline or progressive JPEG as opaque BGRA; nullopt for damaged data or a picture
// too large.
std::optional<PictureImage> DecodeJpeg(std::span<const std::uint8_t> bytes);

}  // namespace pixfarrow::picture
