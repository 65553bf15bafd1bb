#pragma once
// Point patterns: a small image as a list of pixels (offset from an anchor pixel and palette
// index), optionally without one background colour, and the matchers that look for it.
#include <cstdint>
#include <vector>

#include "library/core/byte_set.h"
#include "library/core/palette_image.h"
#include "library/core/row_chain_search.h"

namespace pixfarrow {

struct PatternPoint {
  std::int32_t dx = 0;
  std::int32_t dy = 0;  // downward
  std::int32_t index = 0;
  friend bool operator==(const PatternPoint&, const PatternPoint&) = default;
};

// Visits the image in buffer order (bottom row first, left to right), passing over pixels
// whose index is `background` (-1: none). The first other pixel is the anchor; every later
// one is appended to points. Returns the anchor's index, -1 when every pixel was background.
std::int32_t PointPatternOf(const PaletteImage& image, std::int32_t background, std::vector<PatternPoint>& points);

// The same from BMP file bytes. background is a colour (-1: none) and becomes its palette
// index. -1, with points and background untouched, when the image cannot be loaded.
std::int32_t ImagePattern(const ByteSet& image, std::int32_t& background, std::vector<PatternPoint>& points);

// The first position (bottom row first) whose index lies within the tolerance of the
// anchor's and where trunc(n x percent / 100) points (percent 0 = 100), at least one, lie
// within the tolerance of their own index; (-1, -1) when there is none. A point outside
// the image ends the candidate. ProcessEvents runs after every position and every point.
Point SearchPoints(const ByteSet& pixels, std::int32_t width, std::int32_t height,
                   const std::vector<PatternPoint>& points, std::int32_t anchorIndex, std::int32_t tolerance,
                   std::int32_t percent);

// Every such position into hits (emptied first); returns their number.
std::int32_t SearchPointsAll(std::vector<Point>& hits, const ByteSet& pixels, std::int32_t width,
                             std::int32_t height, const std::vector<PatternPoint>& points,
                             std::int32_t anchorIndex, std::int32_t tolerance, std::int32_t percent);

}  // namespace pixfarrow
