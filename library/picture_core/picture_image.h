#pragma once
// A decoded picture: top-down rows of 4-byte pixels in the order blue, green, red, alpha
// (straight alpha), which is what a 32-bit top-down DIB section takes.
#include <cstdint>
#include <vector>

namespace pixfarrow::picture {

struct PictureImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bgra;  // width * height * 4 bytes

  bool empty() const { return width <= 0 || height <= 0; }
};

// Pictures larger than this are refused by every decoder, whatever their header says.
inline constexpr std::int64_t kMaxPicturePixels = 4096LL * 4096LL;

}  // namespace pixfarrow::picture
