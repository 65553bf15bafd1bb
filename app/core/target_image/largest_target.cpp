#include "app/core/target_image/largest_target.h"

#include <algorithm>

namespace quorvela {

namespace {
constexpr std::uint64_t kFileHeader = 14;
constexpr std::uint64_t kLargestInfoHeader = 124;  // BITMAPV5HEADER
constexpr std::uint64_t kFullColourTable = 256 * 4;
constexpr std::uint64_t kDeepestPixel = 4;
}  // namespace

std::uint64_t LargestCaptureFileBytes(std::int32_t width, std::int32_t height) {
  const auto side = [](std::int32_t v) { return static_cast<std::uint64_t>(std::max<std::int32_t>(v, 0)); };
  return kFileHeader + kLargestInfoHeader + kFullColourTable + kDeepestPixel * side(width) * side(height);
}

}  // namespace quorvela
