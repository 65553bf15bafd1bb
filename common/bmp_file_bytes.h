#pragma once
// A whole BMP file image ("BM" file header, DIB header, colour table, pixels) in memory.
// Screenshots, the target image and "目标图.bmp" all travel in this form; across the
// library boundary it goes as (address, length), an empty buffer as (0, 0).
#include <cstdint>
#include <vector>

namespace qv {

using BmpFileBytes = std::vector<std::uint8_t>;

}  // namespace qv
