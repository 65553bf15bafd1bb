// The matchers on pixels, sizes and offsets as a caller passes them, which need not agree:
// a header of sizes and matcher arguments, then text, background and point offsets as
// signed byte pairs, then the pixels. The offsets also come back as a text drawing.
#include <cstdint>
#include <vector>

#include "library/core/pattern_search.h"
#include "library/core/point_pattern.h"
#include "library/core/text_pattern.h"

namespace {

std::int32_t Signed16(const std::uint8_t* p) { return static_cast<std::int16_t>(p[0] | p[1] << 8); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHeader = 9;
  if (size < kHeader) return 0;
  const std::int32_t width = Signed16(data), height = Signed16(data + 2);
  const std::size_t nText = data[4] % 32, nBack = data[5] % 32;
  const std::int32_t target = data[6], tolerance = static_cast<std::int8_t>(data[7]);
  const std::int32_t percent = static_cast<std::int8_t>(data[8]);
  std::size_t at = kHeader;
  auto offsets = [&](std::size_t n) {
    std::vector<pixfarrow::PatternOffset> list;
    for (; n > 0 && at + 2 <= size; --n, at += 2) {
      list.push_back({static_cast<std::int8_t>(data[at]), static_cast<std::int8_t>(data[at + 1])});
    }
    return list;
  };
  const auto text = offsets(nText), background = offsets(nBack);
  const pixfarrow::ByteSet pixels(data + at, data + size);

  std::vector<pixfarrow::Point> hits;
  pixfarrow::SearchPattern(pixels, width, height, text, background, target, tolerance, percent);
  pixfarrow::SearchPatternAll(hits, pixels, width, height, text, background, target, tolerance, percent, -percent);
  pixfarrow::SearchPatternExactAll(hits, pixels, width, height, text, background, target);

  std::vector<pixfarrow::PatternPoint> points;
  for (const auto& o : text) points.push_back({o.dx, o.dy, (o.dx * 31 + o.dy) & 0xFF});
  pixfarrow::SearchPoints(pixels, width, height, points, target, tolerance, percent);
  pixfarrow::SearchPointsAll(hits, pixels, width, height, points, target, tolerance, percent);

  // The pixels as a drawing of a cell whose size the header gives.
  pixfarrow::TextMask mask{width % 64, height % 64, std::vector<std::uint8_t>(pixels.begin(), pixels.end())};
  pixfarrow::TextPatternFromMask(mask);
  return 0;
}
