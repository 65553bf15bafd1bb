#pragma once
// Builds small 24-bit bottom-up BMP file images for tests (pixel offset 54, no colour table).
#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

namespace qv::test {

// colourAt(x, y) gives 0x00RRGGBB for the pixel at x from the left, y from the top.
inline std::vector<std::uint8_t> MakeBmp24(int width, int height,
                                           const std::function<std::uint32_t(int, int)>& colourAt) {
  const int stride = (width * 3 + 3) / 4 * 4;
  const std::uint32_t size = 54 + static_cast<std::uint32_t>(stride) * height;
  std::vector<std::uint8_t> bmp(size, 0);
  auto put32 = [&](size_t at, std::uint32_t v) { std::memcpy(bmp.data() + at, &v, 4); };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put32(2, size);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  bmp[26] = 1;
  bmp[28] = 24;
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = bmp.data() + 54 + static_cast<size_t>(height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = colourAt(x, y);
      row[x * 3 + 0] = c & 0xFF;
      row[x * 3 + 1] = (c >> 8) & 0xFF;
      row[x * 3 + 2] = (c >> 16) & 0xFF;
    }
  }
  return bmp;
}

}  // namespace qv::test
