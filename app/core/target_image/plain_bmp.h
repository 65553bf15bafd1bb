#pragma once
// The preview never hands a stored or captured BMP file to the system's decoder as it is:
// the file goes through our own bounded decoder and is written anew in the plainest form
// (info header, 32 bits, no compression, bottom-up), which any picture decoder reads.
#include <cstdint>
#include <optional>
#include <span>

#include "app/core/object/byte_buffer.h"

namespace quorvela {

// Starts with "BM".
bool LooksLikeBmp(std::span<const std::uint8_t> file);

// The same picture as a plain BMP file; nothing for a file our decoder refuses.
std::optional<ByteBuffer> RewriteAsPlainBmp(std::span<const std::uint8_t> file);

}  // namespace quorvela
