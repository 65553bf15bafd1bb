#include "library/core/point_search_cache.h"

namespace pixfarrow {

std::optional<PointSearchCache::Snapshot> PointSearchCache::Prepare(const ByteSet& big, const ByteSet* small,
                                                                   std::optional<std::int32_t> background) {
  Snapshot taken;
  // Images are decoded outside the lock: building a pattern dispatches window messages,
  // and a handler may call in again.
  if (!big.empty()) {
    std::optional<PaletteImage> decoded = DecodePaletteImage(big);
    if (decoded) taken.big = std::make_shared<const PaletteImage>(std::move(*decoded));
    const std::lock_guard lock(mutex_);
    big_ = taken.big;
  } else {
    const std::lock_guard lock(mutex_);
    taken.big = big_;
  }
  if (!taken.big) return std::nullopt;

  if (small) {
    auto pattern = std::make_shared<PointPattern>();
    std::int32_t backgroundIndex = background.value_or(-1);
    pattern->anchorIndex = ImagePattern(*small, backgroundIndex, pattern->points);
    taken.pattern = std::move(pattern);
    const std::lock_guard lock(mutex_);
    pattern_ = taken.pattern;
  } else {
    const std::lock_guard lock(mutex_);
    taken.pattern = pattern_;
  }
  if (!taken.pattern || taken.pattern->anchorIndex == -1) return std::nullopt;
  return taken;
}

Point PointSearchCache::Find(const ByteSet& big, const ByteSet* small, std::optional<std::int32_t> background,
                             std::int32_t percent, std::int32_t tolerance) {
  const std::optional<Snapshot> s = Prepare(big, small, background);
  if (!s) return kNotFound;
  return SearchPoints(s->big->pixels, s->big->width, s->big->height, s->pattern->points, s->pattern->anchorIndex,
                      tolerance, percent);
}

std::int32_t PointSearchCache::FindAll(std::vector<Point>& hits, const ByteSet& big, const ByteSet* small,
                                      std::optional<std::int32_t> background, std::int32_t percent,
                                      std::int32_t tolerance) {
  const std::optional<Snapshot> s = Prepare(big, small, background);
  if (!s) return 0;
  return SearchPointsAll(hits, s->big->pixels, s->big->width, s->big->height, s->pattern->points,
                         s->pattern->anchorIndex, tolerance, percent);
}

std::shared_ptr<const PaletteImage> PointSearchCache::Big() const {
  const std::lock_guard lock(mutex_);
  return big_;
}

std::shared_ptr<const PointPattern> PointSearchCache::Pattern() const {
  const std::lock_guard lock(mutex_);
  return pattern_;
}

PointSearchCache& FindPointsCache() {
  static PointSearchCache cache;
  return cache;
}

PointSearchCache& FindPointsAltCache() {
  static PointSearchCache cache;
  return cache;
}

}  // namespace pixfarrow
