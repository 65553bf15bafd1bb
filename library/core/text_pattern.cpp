#include "library/core/text_pattern.h"

namespace pixfarrow {

CellSize TextCellSize(std::int32_t points, std::int32_t dpiY, std::size_t textBytes) {
  const auto height = static_cast<std::int64_t>(static_cast<double>(points) * dpiY / 72.0);
  const auto width = static_cast<std::int64_t>(static_cast<double>(height) * static_cast<double>(textBytes) / 2.0);
  if (height <= 0 || width <= 0 || height > kMaxCellPixels || width > kMaxCellPixels / height) return {};
  return {static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
}

TextPattern TextPatternFromMask(const TextMask& mask) {
  TextPattern pattern;
  if (mask.width <= 0 || mask.height <= 0 ||
      mask.text.size() < static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height)) {
    return pattern;
  }
  bool anchored = false;
  std::int32_t ax = -1, ay = 0;
  for (std::int32_t y = mask.height - 1; y >= 0; --y) {
    for (std::int32_t x = 0; x < mask.width; ++x) {
      const bool text = mask.IsText(x, y);
      if (!anchored) {
        if (text) anchored = true, ax = x, ay = y;
        continue;
      }
      (text ? pattern.text : pattern.background).push_back({x - ax, y - ay});
    }
  }
  // The pixels before the anchor, in the same order: all background by definition.
  for (std::int32_t y = mask.height - 1; y >= 0; --y) {
    for (std::int32_t x = 0; x < mask.width; ++x) {
      if (anchored && x == ax && y == ay) return pattern;
      pattern.background.push_back({x - ax, y - ay});
    }
  }
  return pattern;
}

}  // namespace pixfarrow
