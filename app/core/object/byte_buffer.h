#pragma once
// An owned run of bytes (image files, texts in transit).
#include <cstdint>
#include <vector>

namespace quorvela {

using ByteBuffer = std::vector<std::uint8_t>;

}  // namespace quorvela
