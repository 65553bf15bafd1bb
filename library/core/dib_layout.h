#pragma once
// Byte layouts of the packed DIB and BMP file that the bitmap class builds and reads.
#include <cstdint>

#include "common/bmp/bmp_layout.h"
#include "library/core/byte_set.h"

namespace pixfarrow {

inline constexpr std::int32_t kInfoHeaderSize = 40;

// BITMAPINFOHEADER as the class writes it (positive height: rows bottom-up).
struct InfoHeader {
  std::int32_t size = kInfoHeaderSize;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint16_t planes = 1;
  std::uint16_t bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t sizeImage = 0;
  std::int32_t xPelsPerMeter = 0;
  std::int32_t yPelsPerMeter = 0;
  std::uint32_t clrUsed = 0;
  std::uint32_t clrImportant = 0;
};

// BITMAPFILEHEADER.
struct FileHeader {
  std::uint16_t type = kBmpSignature;
  std::uint32_t size = 0;
  std::uint16_t reserved1 = 0;
  std::uint16_t reserved2 = 0;
  std::uint32_t offBits = 0;
};

// The 40 bytes of an info header, little-endian.
ByteSet InfoHeaderBytes(const InfoHeader& header);

// The 14 bytes of a file header, little-endian.
ByteSet FileHeaderBytes(const FileHeader& header);

// Bytes per row for a row of `bits` bits, padded to a multiple of 4, in 32-bit arithmetic.
std::int32_t RowBytes(std::int32_t bits);

// Colour-table entries implied by the biBitCount at offset 14 of an info header: 2, 16 or
// 256 for 1, 4 or 8 bits, else 0 (also for fewer than 16 bytes).
std::int32_t ColorCountOf(const ByteSet& headerBytes);

}  // namespace pixfarrow
