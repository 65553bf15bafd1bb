#pragma once
// BI_RLE8 / BI_RLE4 pixel data into a bottom-up BGRx canvas.
#include <cstdint>
#include <span>
#include <vector>

#include "library/core/bmp_layout.h"

namespace pixfarrow {

// Runs are clipped at the right edge, drawing stops at the top row or the end of the data
// (whichever comes first, with or without an end-of-bitmap code), and pixels that the
// data skips or never reaches stay black.
std::vector<std::uint32_t> DecodeRle(const BmpLayout& layout, std::span<const std::uint8_t> file);

}  // namespace pixfarrow
