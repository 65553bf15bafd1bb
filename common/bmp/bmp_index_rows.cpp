#include "common/bmp/bmp_index_rows.h"

#include <vector>

#include "common/bmp/bmp_rle.h"

namespace pixfarrow {

void ReadIndexRows(const BmpLayout& layout, std::span<const std::uint8_t> file, const IndexRowFn& row) {
  if (layout.compression == BmpCompression::kRle8 || layout.compression == BmpCompression::kRle4) {
    DecodeRleRows(layout, file, row);
    return;
  }
  const std::int32_t w = layout.width, h = layout.height;
  std::vector<std::uint8_t> indexes(static_cast<std::size_t>(w));
  for (std::int32_t i = 0; i < h; ++i) {
    const std::uint8_t* in = file.data() + layout.pixelOffset + static_cast<std::size_t>(i) * layout.rowBytes;
    switch (layout.bitCount) {
      case 1:
        for (std::int32_t x = 0; x < w; ++x) indexes[x] = (in[x >> 3] >> (7 - (x & 7))) & 1;
        break;
      case 4:
        for (std::int32_t x = 0; x < w; ++x) indexes[x] = (in[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F;
        break;
      default:
        std::copy(in, in + w, indexes.begin());
        break;
    }
    row(layout.topDown ? h - 1 - i : i, 1, indexes.data());
  }
}

}  // namespace pixfarrow
