#pragma once
// Builds BMP files for tests, field by field, so a test can set any header value.
#include <cstdint>
#include <functional>
#include <vector>

#include "library/core/byte_set.h"

namespace pixfarrow::test {

struct BmpBuilder {
  std::uint32_t headerSize = 40;
  std::int32_t width = 1;
  std::int32_t height = 1;  // negative: top-down
  std::uint16_t planes = 1;
  std::uint16_t bitCount = 24;
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  std::vector<std::uint32_t> masks;    // written after a 40-byte header, or inside a longer one
  ByteSet pixelData;                   // exactly as stored in the file
  std::int64_t offBits = -1;           // -1: right after the colour table

  ByteSet Build() const;
};

// A bottom-up 24-bit file (pixel offset 54, no colour table), colour(x, y) with y from the top.
ByteSet Bmp24(std::int32_t width, std::int32_t height, const std::function<std::uint32_t(int, int)>& colour);

// An uncompressed 24- or 32-bit file in either row order, colour(x, y) with y from the
// top; its row padding bytes are not 0.
ByteSet Capture(std::int32_t width, std::int32_t height, int bits, bool topDown,
                const std::function<std::uint32_t(int, int)>& colour);

// The same at 8 bits with the given colour table, index(x, y) with y from the top.
ByteSet Bmp8(std::int32_t width, std::int32_t height, const std::vector<std::uint32_t>& palette,
             const std::function<std::uint8_t(int, int)>& index);

}  // namespace pixfarrow::test
