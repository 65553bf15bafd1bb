#pragma once
// Encoding rows of 32-bit BGRx pixels at another depth, the portable form of the bitmap
// class's depth conversion. Colour tables: MonoPalette at 1 bit, Vga16Palette at 4 and
// FixedPalette at 8, each by the rule of nearest_color.h; 16 bits is 5-5-5.
#include <cstdint>

namespace pixfarrow {

// true for 1, 4, 8, 16, 24 and 32.
bool IsSupportedDepth(int depth);

// Writes width pixels at `depth` into out, which holds at least RowBytes(width x depth)
// bytes; bits and bytes past the last pixel are left as they are.
void EncodeRow(int depth, const std::uint32_t* pixels, std::int32_t width, std::uint8_t* out);

}  // namespace pixfarrow
