#pragma once
// The search behind the export ZT.
#include <cstdint>

namespace pixfarrow {

// 1 when the small BMP file image occurs in the big one, else 0. Each (address, length)
// pair must name readable memory; a length of 0 is the empty image and never reads.
std::int32_t FindImageInImageBytes(const std::uint8_t* bigAddress, std::int32_t bigLength,
                                   const std::uint8_t* smallAddress, std::int32_t smallLength);

}  // namespace pixfarrow
