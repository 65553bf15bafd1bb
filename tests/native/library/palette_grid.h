#pragma once
// Small images of FixedPalette indexes for the pattern tests: a grid written as rows from
// the top, turned into PaletteBytes (bottom-up, rows padded to 4) or an 8-bit BMP file.
#include <cstdint>
#include <string>
#include <vector>

#include "library/core/byte_set.h"

namespace pixfarrow::test {

using Grid = std::vector<std::vector<std::uint8_t>>;  // [y from the top][x]

Grid FilledGrid(int width, int height, std::uint8_t index);

// Writes value where the picture (rows of '#' and '.') has '#', its top-left at (left, top);
// what falls outside the grid is left out.
void Stamp(Grid& grid, const std::vector<std::string>& picture, int left, int top, std::uint8_t value);

ByteSet PaletteBytesOf(const Grid& grid);

// An 8-bit file with FixedPalette as its colour table, so each index loads as itself.
ByteSet BmpOf(const Grid& grid);

}  // namespace pixfarrow::test
