#include "common/bmp/bmp_rle.h"

#include <algorithm>
#include <vector>

namespace pixfarrow {
namespace {

// The row being drawn; rows below it are handed out, rows above it not yet drawn.
class RowCursor {
 public:
  RowCursor(const BmpLayout& layout, const IndexRowFn& row)
      : width_(layout.width), height_(layout.height), indexes_(static_cast<std::size_t>(width_), 0), row_(row) {}

  bool Done() const { return y_ >= height_; }
  void Put(std::uint8_t index) {
    if (x_ < width_) indexes_[static_cast<std::size_t>(x_)] = index;
    ++x_;
  }
  // No later pixel of this row can be drawn.
  bool PastRowEnd() const { return x_ >= width_; }
  void EndLine() { Up(1), x_ = 0; }
  void Move(int dx, int dy) { x_ += dx, Up(dy); }
  // Hands out the row being drawn and every row above it.
  void Finish() { Up(height_); }

 private:
  // The row being drawn, then the rows - 1 above it, left unset, in one call.
  void Up(std::int64_t rows) {
    if (rows < 1 || y_ >= height_) return;
    row_(static_cast<std::int32_t>(y_), 1, indexes_.data());
    std::fill(indexes_.begin(), indexes_.end(), 0);
    ++y_;
    const std::int64_t unset = std::min(rows - 1, height_ - y_);
    if (unset > 0) row_(static_cast<std::int32_t>(y_), static_cast<std::int32_t>(unset), indexes_.data());
    y_ += unset;
  }

  std::int64_t width_, height_;
  std::int64_t x_ = 0, y_ = 0;
  std::vector<std::uint8_t> indexes_;
  const IndexRowFn& row_;
};

}  // namespace

void DecodeRleRows(const BmpLayout& layout, std::span<const std::uint8_t> file, const IndexRowFn& row) {
  const bool four = layout.compression == BmpCompression::kRle4;
  const std::uint8_t* d = file.data();
  const std::size_t size = file.size();
  RowCursor cursor(layout, row);
  std::size_t i = layout.pixelOffset;
  while (i + 1 < size && !cursor.Done()) {
    const std::uint8_t count = d[i], value = d[i + 1];
    i += 2;
    if (count > 0) {  // encoded run: one index (RLE8) or two alternating nibbles (RLE4)
      for (int k = 0; k < count && !cursor.PastRowEnd(); ++k) {
        cursor.Put(four ? ((k & 1) ? (value & 0x0F) : (value >> 4)) : value);
      }
      continue;
    }
    if (value == 0) {
      cursor.EndLine();
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (i + 1 >= size) break;
      cursor.Move(d[i], d[i + 1]);
      i += 2;
    } else {  // absolute run of `value` indexes, padded to a 16-bit boundary
      const std::size_t bytes = four ? (value + 1u) / 2 : value;
      const std::size_t available = std::min(bytes, size - i);
      const std::size_t drawable = four ? std::min<std::size_t>(value, available * 2) : available;
      for (std::size_t k = 0; k < drawable && !cursor.PastRowEnd(); ++k) {
        const std::uint8_t b = d[i + (four ? k / 2 : k)];
        cursor.Put(four ? ((k & 1) ? (b & 0x0F) : (b >> 4)) : b);
      }
      if (available < bytes) break;
      i += (bytes + 1) & ~std::size_t{1};
    }
  }
  cursor.Finish();
}

}  // namespace pixfarrow
