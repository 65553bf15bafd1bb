#include "palette_grid.h"

#include "bmp_builder.h"
#include "library/core/color_tables.h"

namespace pixfarrow::test {

Grid FilledGrid(int width, int height, std::uint8_t index) {
  return Grid(static_cast<std::size_t>(height), std::vector<std::uint8_t>(static_cast<std::size_t>(width), index));
}

void Stamp(Grid& grid, const std::vector<std::string>& picture, int left, int top, std::uint8_t value) {
  for (int y = 0; y < static_cast<int>(picture.size()); ++y) {
    for (int x = 0; x < static_cast<int>(picture[y].size()); ++x) {
      const int gx = left + x, gy = top + y;
      if (picture[y][x] == '#' && gy >= 0 && gy < static_cast<int>(grid.size()) && gx >= 0 &&
          gx < static_cast<int>(grid[gy].size())) {
        grid[gy][gx] = value;
      }
    }
  }
}

ByteSet PaletteBytesOf(const Grid& grid) {
  const std::size_t height = grid.size(), width = grid[0].size(), stride = (width + 3) / 4 * 4;
  ByteSet bytes(stride * height, 0);
  for (std::size_t y = 0; y < height; ++y) {
    for (std::size_t x = 0; x < width; ++x) bytes[(height - 1 - y) * stride + x] = grid[y][x];
  }
  return bytes;
}

ByteSet BmpOf(const Grid& grid) {
  const std::vector<std::uint32_t> table(kFixedColors.begin(), kFixedColors.end());
  return Bmp8(static_cast<int>(grid[0].size()), static_cast<int>(grid.size()), table,
              [&](int x, int y) { return grid[y][x]; });
}

}  // namespace pixfarrow::test
