#pragma once
// PNG pictures of the picture controls (libpng).
#include <cstdint>
#include <optional>
#include <span>

#include "library/picture_core/picture_image.h"

namespace pixfarrow::picture {

// Any PNG that libpng reads, as BGRA; nullopt for anything else or a picture too large.
std::optional<PictureImage> DecodePng(std::span<const std::uint8_t> bytes);

}  // namespace pixfarrow::picture
