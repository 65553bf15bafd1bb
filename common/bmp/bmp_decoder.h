#pragma once
// Our own BMP decoder: the image that loading a BMP file into a 32-bit display bitmap
// gives. Pixels are 32-bit BGRx (top byte 0), rows bottom-up. Refuses every file it does
// not accept, never reads outside its input and allocates only what the input describes.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pixfarrow {

// Receives a decoded image row by row.
class BmpRowSink {
 public:
  virtual ~BmpRowSink() = default;
  // Called once, before any row, and only for a file that decodes.
  virtual void Begin(std::int32_t width, std::int32_t height) = 0;
  // Row y counted from the bottom (0 = bottom row), width pixels; every row comes once.
  virtual void Row(std::int32_t y, const std::uint32_t* pixels) = 0;
  // Rows y to y + count - 1, all alike; by default row by row.
  virtual void Rows(std::int32_t y, std::int32_t count, const std::uint32_t* pixels) {
    for (std::int32_t i = 0; i < count; ++i) Row(y + i, pixels);
  }
};

// false (and no call of the sink) when the file is refused.
bool DecodeBmp(std::span<const std::uint8_t> file, BmpRowSink& sink);

struct DecodedBmp {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint32_t> pixels;  // width x height, bottom row first
};

std::optional<DecodedBmp> DecodeBmp(std::span<const std::uint8_t> file);

}  // namespace pixfarrow
