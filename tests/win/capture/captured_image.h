#pragma once
// Reads the BMP file image that a capture result text names.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "common/capture_result_text.h"

namespace qv::test {

struct CapturedImage {
  std::int32_t width = 0, height = 0, bits = 0;
  const std::uint8_t* pixels = nullptr;
  std::size_t rowBytes = 0;

  // 0x00RRGGBB at (x, y) from the top-left; 24 and 32 bits only.
  std::uint32_t At(int x, int y) const {
    const std::uint8_t* p = pixels + static_cast<std::size_t>(height - 1 - y) * rowBytes;
    if (bits == 32 || bits == 24) {
      p += static_cast<std::size_t>(x) * (bits / 8);
      return (p[2] << 16) | (p[1] << 8) | p[0];
    }
    return 0xFFFFFFFF;
  }
};

inline CapturedImage CapturedImageAt(const CaptureLocation& where) {
  CapturedImage img;
  if (where.length < 54) return img;
  const auto* file = reinterpret_cast<const std::uint8_t*>(static_cast<std::uintptr_t>(where.address));
  std::int32_t offset;
  std::memcpy(&offset, file + 10, 4);
  std::memcpy(&img.width, file + 18, 4);
  std::memcpy(&img.height, file + 22, 4);
  std::uint16_t bits;
  std::memcpy(&bits, file + 28, 2);
  img.bits = bits;
  img.rowBytes = ((static_cast<std::size_t>(img.width) * bits + 31) / 32) * 4;
  img.pixels = file + offset;
  return img;
}

}  // namespace qv::test
