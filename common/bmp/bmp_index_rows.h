#pragma once
// The rows of a palette image (1, 4 or 8 bits, uncompressed or run-length encoded) as
// indexes into its colour table, one byte a pixel.
#include <cstdint>
#include <functional>
#include <span>

#include "common/bmp/bmp_layout.h"

namespace pixfarrow {

// Receives rows y to y + count - 1 (0 = bottom row), all of the same width indexes; every
// row comes once. Run-length data can make millions of rows alike (skipped or never
// reached), which come in one call.
using IndexRowFn = std::function<void(std::int32_t y, std::int32_t count, const std::uint8_t* indexes)>;

// For a layout of at most 8 bits per pixel. Needs one row of memory, whatever the image.
void ReadIndexRows(const BmpLayout& layout, std::span<const std::uint8_t> file, const IndexRowFn& row);

}  // namespace pixfarrow
