#pragma once
// Colours as the searches compare them: the FixedPalette index that the 8-bit conversion
// gives a colour, and the first pixel of such an index in palette bytes.
#include <cstdint>

#include "library/core/byte_set.h"
#include "library/core/row_chain_search.h"

namespace pixfarrow {

// The index of a colour 0x00BBGGRR (the top byte is ignored), by the same rule that
// converts images to 8 bits.
std::uint8_t PaletteIndexOfColour(std::uint32_t colour);

// First 1-based position at or after start of a pixel whose index is within tolerance of
// target, or -1. Tolerance 0 looks for the bytes of indexByte exactly (nothing when it is
// empty); any other tolerance for target, the index as a number.
std::int64_t FindPaletteColour(const ByteSet& pixels, const ByteSet& indexByte, std::int32_t tolerance,
                               std::int64_t start);

// The pixel at a 1-based position of palette bytes: x = column (padding included), y from
// the top row. (-1, -1) for a stride or height that is not positive.
Point PixelAt(std::int64_t pos, std::int32_t stride, std::int32_t height);

}  // namespace pixfarrow
