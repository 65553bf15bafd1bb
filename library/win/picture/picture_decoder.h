#pragma once
// Any picture a picture control shows (PNG, JPEG or GIF) as frames to play.
#include <cstdint>
#include <optional>
#include <span>

#include "library/picture_core/gif_decoder.h"

namespace pixfarrow::picture {

// A still PNG or JPEG gives one frame with no delay; nullopt for an unknown format.
std::optional<Animation> DecodePicture(std::span<const std::uint8_t> bytes);

}  // namespace pixfarrow::picture
