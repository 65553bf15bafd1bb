#pragma once
// The rows of a palette image (1, 4 or 8 bits, uncompressed or run-length encoded) as
// indexes into its colour table, one byte a pixel.
#include <cstdint>
#include <functional>
#include <span>

#include "library/core/bmp_layout.h"

namespace pixfarrow {

// Receives row y (0 = bottom row) of width indexes; every row comes once.
using IndexRowFn = std::function<void(std::int32_t y, const std::uint8_t* indexes)>;

// For a layout of at most 8 bits per pixel. Needs one row of memory, whatever the image.
void ReadIndexRows(const BmpLayout& layout, std::span<const std::uint8_t> file, const IndexRowFn& row);

}  // namespace pixfarrow
