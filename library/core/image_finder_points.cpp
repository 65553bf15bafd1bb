// The finder's point-pattern searches over the library's two PointSearchCaches.
#include "library/core/image_finder.h"
#include "library/core/point_search_cache.h"

namespace pixfarrow {

Point ImageFinder::FindPointsInImage(const ByteSet& big, const ByteSet* small, std::optional<std::int32_t> background,
                                     std::int32_t percent, std::int32_t tolerance) const {
  return FindPointsCache().Find(big, small, background, percent, tolerance);
}

std::int32_t ImageFinder::FindPointsInImageAlt(std::vector<Point>& hits, const ByteSet& big, const ByteSet* small,
                                               std::optional<std::int32_t> background, std::int32_t percent,
                                               std::int32_t tolerance) const {
  return FindPointsAltCache().FindAll(hits, big, small, background, percent, tolerance);
}

std::int32_t ImageFinder::ImagePattern(const ByteSet& image, std::int32_t& background,
                                       std::vector<PatternPoint>& points) const {
  return pixfarrow::ImagePattern(image, background, points);
}

Point ImageFinder::SearchPoints(const ByteSet& pixels, std::int32_t width, std::int32_t height,
                                const std::vector<PatternPoint>& points, std::int32_t anchorIndex,
                                std::int32_t tolerance, std::int32_t percent) const {
  return pixfarrow::SearchPoints(pixels, width, height, points, anchorIndex, tolerance, percent);
}

std::int32_t ImageFinder::SearchPointsAll(std::vector<Point>& hits, const ByteSet& pixels, std::int32_t width,
                                          std::int32_t height, const std::vector<PatternPoint>& points,
                                          std::int32_t anchorIndex, std::int32_t tolerance,
                                          std::int32_t percent) const {
  return pixfarrow::SearchPointsAll(hits, pixels, width, height, points, anchorIndex, tolerance, percent);
}

}  // namespace pixfarrow
