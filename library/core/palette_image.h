#pragma once
// An image as the image finder compares it: FixedPalette indexes, one byte per pixel, rows
// bottom-up and padded with zero bytes to a multiple of 4 (PaletteBytes).
#include <cstdint>
#include <optional>
#include <span>

#include "library/core/byte_set.h"

namespace pixfarrow {

struct PaletteImage {
  ByteSet pixels;  // stride x height bytes
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t stride = 0;  // width rounded up to a multiple of 4
};

// The same bytes as 载入位图, ConvertDepth(8) and PixelBytes of the bitmap class, decoded
// straight to indexes; nothing when the bytes cannot be loaded.
std::optional<PaletteImage> DecodePaletteImage(std::span<const std::uint8_t> bmpFileBytes);

}  // namespace pixfarrow
