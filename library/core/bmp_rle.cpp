#include "library/core/bmp_rle.h"

#include <algorithm>

namespace pixfarrow {
namespace {

class Canvas {
 public:
  explicit Canvas(const BmpLayout& layout)
      : layout_(layout),
        width_(layout.width),
        height_(layout.height),
        pixels_(static_cast<std::size_t>(width_) * height_, 0) {}

  bool Done() const { return y_ >= height_; }
  void Put(std::uint8_t index) {
    if (x_ < width_ && y_ < height_) pixels_[static_cast<std::size_t>(y_) * width_ + x_] = layout_.palette[index];
    ++x_;
  }
  void EndLine() { x_ = 0, ++y_; }
  void Move(int dx, int dy) { x_ += dx, y_ += dy; }
  // No later pixel of this row can be drawn.
  bool PastRowEnd() const { return x_ >= width_; }
  std::vector<std::uint32_t> Take() { return std::move(pixels_); }

 private:
  const BmpLayout& layout_;
  std::int64_t width_, height_;
  std::int64_t x_ = 0, y_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace

std::vector<std::uint32_t> DecodeRle(const BmpLayout& layout, std::span<const std::uint8_t> file) {
  const bool four = layout.compression == BmpCompression::kRle4;
  const std::uint8_t* d = file.data();
  const std::size_t size = file.size();
  Canvas canvas(layout);
  std::size_t i = layout.pixelOffset;
  while (i + 1 < size && !canvas.Done()) {
    const std::uint8_t count = d[i], value = d[i + 1];
    i += 2;
    if (count > 0) {  // encoded run: one index (RLE8) or two alternating nibbles (RLE4)
      for (int k = 0; k < count && !canvas.PastRowEnd(); ++k) {
        canvas.Put(four ? ((k & 1) ? (value & 0x0F) : (value >> 4)) : value);
      }
      continue;
    }
    if (value == 0) {
      canvas.EndLine();
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (i + 1 >= size) break;
      canvas.Move(d[i], d[i + 1]);
      i += 2;
    } else {  // absolute run of `value` indexes, padded to a 16-bit boundary
      const std::size_t bytes = four ? (value + 1u) / 2 : value;
      const std::size_t available = std::min(bytes, size - i);
      const std::size_t drawable = four ? std::min<std::size_t>(value, available * 2) : available;
      for (std::size_t k = 0; k < drawable && !canvas.PastRowEnd(); ++k) {
        const std::uint8_t b = d[i + (four ? k / 2 : k)];
        canvas.Put(four ? ((k & 1) ? (b & 0x0F) : (b >> 4)) : b);
      }
      if (available < bytes) break;
      i += (bytes + 1) & ~std::size_t{1};
    }
  }
  return canvas.Take();
}

}  // namespace pixfarrow
