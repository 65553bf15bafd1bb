// Point patterns from caller images: the first eight bytes choose where the input splits
// into the big and the small BMP file, the background colour, percent and tolerance; then
// the kept image and pattern are searched again with empty and left-out arguments.
#include <cstdint>
#include <vector>

#include "library/core/point_search_cache.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 8) return 0;
  const std::size_t rest = size - 8;
  const std::size_t bigLength = (data[0] | (data[1] << 8)) % (rest + 1);
  const std::optional<std::int32_t> background =
      data[2] & 1 ? std::optional<std::int32_t>{data[3] | data[4] << 8 | data[5] << 16} : std::nullopt;
  const std::int32_t percent = static_cast<std::int8_t>(data[6]);
  const std::int32_t tolerance = static_cast<std::int8_t>(data[7]);
  // Own buffers of exact size, so ASan sees any read past either image.
  const pixfarrow::ByteSet big(data + 8, data + 8 + bigLength);
  const pixfarrow::ByteSet small(data + 8 + bigLength, data + size);

  std::int32_t colour = background.value_or(-1);
  std::vector<pixfarrow::PatternPoint> points;
  pixfarrow::ImagePattern(small, colour, points);

  pixfarrow::PointSearchCache cache;
  std::vector<pixfarrow::Point> hits;
  cache.Find(big, &small, background, percent, tolerance);
  cache.Find(pixfarrow::ByteSet{}, nullptr, background, percent, tolerance);
  cache.FindAll(hits, big, &small, background, percent, tolerance);
  cache.FindAll(hits, pixfarrow::ByteSet{}, nullptr, std::nullopt, 0, 0);
  return 0;
}
