#pragma once
// Rows of pixels converted to FixedPalette indexes by the rule of nearest_color.h, many
// pixels at a time: the whole conversion of a capture, and a capture's rows where a search
// reads all of them.
#include <cstddef>
#include <cstdint>

namespace pixfarrow {

// Pixels stored as blue, green, red bytes, bytesPerPixel (3 or 4) apart (a fourth byte is
// not part of the colour). Reads only the count pixels' bytes.
void MapBgrToFixedPalette(const std::uint8_t* bgr, std::size_t count, std::size_t bytesPerPixel, std::uint8_t* out);

// 32-bit BGRx pixels (the top byte is ignored).
void MapToFixedPalette(const std::uint32_t* pixels, std::size_t count, std::uint8_t* out);

// The two ways MapBgrToFixedPalette has, for the tests: pixel by pixel, and SSE2 on x86
// (which the 32-bit Windows build assumes, as every processor that runs a supported Windows
// has it; elsewhere MapBgrSse2 is the pixel-by-pixel way).
void MapBgrPortable(const std::uint8_t* bgr, std::size_t count, std::size_t bytesPerPixel, std::uint8_t* out);
void MapBgrSse2(const std::uint8_t* bgr, std::size_t count, std::size_t bytesPerPixel, std::uint8_t* out);
bool MapBgrHasSse2();

}  // namespace pixfarrow
