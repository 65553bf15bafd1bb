#pragma once
// PaletteBytes as the pattern searches read them: width x height pixels, rows bottom-up,
// `stride` = width rounded up to 4 bytes. Every read is checked against the buffer itself,
// since callers pass pixels, width and height separately.
#include <cstdint>
#include <optional>

#include "library/core/byte_set.h"

namespace pixfarrow {

class PaletteView {
 public:
  // Nothing when width or height is not positive or the buffer is shorter than
  // stride x height: such pixels hold no image, and every search finds nothing in them.
  static std::optional<PaletteView> Of(const ByteSet& pixels, std::int32_t width, std::int32_t height);

  std::int64_t width() const { return width_; }
  std::int64_t height() const { return height_; }
  std::int64_t length() const { return static_cast<std::int64_t>(pixels_->size()); }

  bool Contains(std::int64_t x, std::int64_t y) const { return x >= 0 && x < width_ && y >= 0 && y < height_; }
  // 0-based buffer index of (x, y), y from the top row; (x, y) must be inside.
  std::int64_t IndexOf(std::int64_t x, std::int64_t y) const { return stride_ * (height_ - 1 - y) + x; }
  int At(std::int64_t x, std::int64_t y) const { return (*pixels_)[static_cast<std::size_t>(IndexOf(x, y))]; }

 private:
  PaletteView(const ByteSet& pixels, std::int64_t width, std::int64_t height);

  const ByteSet* pixels_;
  std::int64_t width_;
  std::int64_t height_;
  std::int64_t stride_;
};

}  // namespace pixfarrow
