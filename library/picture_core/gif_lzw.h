#pragma once
// The variable-length LZW code stream of one GIF image.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pixfarrow::picture {

// Decodes up to `pixelCount` colour indexes from the concatenated data sub-blocks.
// Returns fewer when the stream ends early or holds an impossible code.
std::vector<std::uint8_t> DecodeGifLzw(std::span<const std::uint8_t> data, int minCodeSize,
                                       std::size_t pixelCount);

}  // namespace pixfarrow::picture
