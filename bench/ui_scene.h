#pragma once
// A synthetic capture of a chat window for the benchmarks: 800 x 600, 24 bits, bottom-up,
// pixel data at offset 54, mostly one background colour with panels, avatars, text and
// message bubbles.
#include <cstdint>
#include <functional>

#include "library/core/byte_set.h"

namespace pixfarrow::bench {

inline constexpr int kSceneWidth = 800;
inline constexpr int kSceneHeight = 600;

// Colour (0x00RRGGBB) of the scene at (x, y), y from the top.
std::uint32_t SceneColour(int x, int y);

// A 24-bit bottom-up BMP file of width x height pixels, colour(x, y) with y from the top.
ByteSet Bmp24(int width, int height, const std::function<std::uint32_t(int, int)>& colour);

ByteSet SceneBmp();

}  // namespace pixfarrow::bench
