#pragma once
// The capture guide's animated picture (GIF89a), carried inside the library.
#include <cstdint>
#include <span>

namespace pixfarrow::resources {

std::span<const std::uint8_t> GuideAnimationBytes();

}  // namespace pixfarrow::resources
