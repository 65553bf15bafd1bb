#pragma once
// An image as the image finder compares it: FixedPalette indexes, one byte per pixel, rows
// bottom-up and padded with zero bytes to a multiple of 4 (PaletteBytes).
#include <cstdint>
#include <optional>
#include <span>

#include "common/bmp/bmp_layout.h"
#include "library/core/byte_set.h"

namespace pixfarrow {

struct PaletteImage {
  ByteSet pixels;  // stride x height bytes
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t stride = 0;  // width rounded up to a multiple of 4
};

// Row length of the PaletteBytes of an image width pixels wide.
std::int32_t PaletteStride(std::int32_t width);

// The same bytes as 载入位图, ConvertDepth(8) and PixelBytes of the bitmap class, decoded
// straight to indexes; nothing when the bytes cannot be loaded. Needs the image's own
// bytes and one row more.
std::optional<PaletteImage> DecodePaletteImage(std::span<const std::uint8_t> bmpFileBytes);

// The same for a file whose layout ParseBmpLayout gave.
PaletteImage DecodePaletteImage(const BmpLayout& layout, std::span<const std::uint8_t> bmpFileBytes);

// The same bytes written into `pixels`, which keeps its memory where it is large enough: for
// a buffer used over and over (under Wine a new buffer of a capture's size costs every one
// of its pages anew).
void DecodePaletteBytes(const BmpLayout& layout, std::span<const std::uint8_t> bmpFileBytes, ByteSet& pixels);

}  // namespace pixfarrow
