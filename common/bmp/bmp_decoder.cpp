#include "common/bmp/bmp_decoder.h"

#include <algorithm>
#include <bit>

#include "common/bmp/bmp_index_rows.h"
#include "common/bmp/bmp_layout.h"
#include "common/bmp/le_bytes.h"

namespace pixfarrow {
namespace {

// One colour channel of a bit-field pixel, scaled to 8 bits with rounding (the largest
// value of any width becomes 255; 5 bits of 3 give 25, as the reference pictures show).
class Channel {
 public:
  explicit Channel(std::uint32_t mask)
      : mask_(mask),
        shift_(mask == 0 ? 0 : std::countr_zero(mask)),
        max_(mask == 0 ? 0 : (std::uint64_t{1} << std::bit_width(mask >> shift_)) - 1) {}

  std::uint32_t Expand(std::uint32_t pixel) const {
    if (max_ == 0) return 0;
    const std::uint64_t v = (pixel & mask_) >> shift_;
    if (max_ == 0xFF) return static_cast<std::uint32_t>(v);
    return static_cast<std::uint32_t>((v * 255 + max_ / 2) / max_);
  }

 private:
  std::uint32_t mask_;
  int shift_;
  std::uint64_t max_;
};

// Rows of 16, 24 and 32 bits.
class RowReader {
 public:
  explicit RowReader(const BmpLayout& layout)
      : layout_(layout), red_(layout.masks[0]), green_(layout.masks[1]), blue_(layout.masks[2]) {}

  void Read(const std::uint8_t* row, std::uint32_t* out) const {
    const std::int32_t w = layout_.width;
    switch (layout_.bitCount) {
      case 16:
        for (std::int32_t x = 0; x < w; ++x) out[x] = FromFields(ReadU16(row + 2 * x));
        break;
      case 24:
        for (std::int32_t x = 0; x < w; ++x) {
          const std::uint8_t* p = row + 3 * x;
          out[x] = p[0] | (p[1] << 8) | (static_cast<std::uint32_t>(p[2]) << 16);
        }
        break;
      case 32:
        if (layout_.compression == BmpCompression::kRgb) {
          for (std::int32_t x = 0; x < w; ++x) out[x] = ReadU32(row + 4 * x) & 0xFFFFFF;
        } else {
          for (std::int32_t x = 0; x < w; ++x) out[x] = FromFields(ReadU32(row + 4 * x));
        }
        break;
    }
  }

 private:
  std::uint32_t FromFields(std::uint32_t v) const {
    return blue_.Expand(v) | (green_.Expand(v) << 8) | (red_.Expand(v) << 16);
  }

  const BmpLayout& layout_;
  Channel red_, green_, blue_;
};

class CollectingSink final : public BmpRowSink {
 public:
  void Begin(std::int32_t width, std::int32_t height) override {
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * height);
  }
  void Row(std::int32_t y, const std::uint32_t* pixels) override {
    std::copy(pixels, pixels + image.width, image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width);
  }
  DecodedBmp image;
};

}  // namespace

bool DecodeBmp(std::span<const std::uint8_t> file, BmpRowSink& sink) {
  const auto layout = ParseBmpLayout(file);
  if (!layout) return false;
  const std::int32_t w = layout->width, h = layout->height;
  std::vector<std::uint32_t> row(static_cast<std::size_t>(w));
  sink.Begin(w, h);
  if (layout->bitCount <= 8) {
    ReadIndexRows(*layout, file, [&](std::int32_t y, std::int32_t count, const std::uint8_t* indexes) {
      for (std::int32_t x = 0; x < w; ++x) row[x] = layout->palette[indexes[x]];
      sink.Rows(y, count, row.data());
    });
    return true;
  }
  const RowReader reader(*layout);
  for (std::int32_t i = 0; i < h; ++i) {
    reader.Read(file.data() + layout->pixelOffset + static_cast<std::size_t>(i) * layout->rowBytes, row.data());
    sink.Row(layout->topDown ? h - 1 - i : i, row.data());
  }
  return true;
}

std::optional<DecodedBmp> DecodeBmp(std::span<const std::uint8_t> file) {
  CollectingSink sink;
  if (!DecodeBmp(file, sink)) return std::nullopt;
  return std::move(sink.image);
}

}  // namespace pixfarrow
