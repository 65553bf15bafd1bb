#pragma once
// PointSearchCache: the big image and the point pattern that FindPointsInImage (and, in an
// instance of its own, FindPointsInImageAlt) keeps for later calls, which may pass an empty
// big image or leave the small image out to reuse them.
//
// Each kept value is immutable and shared: a call takes the values it searches under the
// lock and scans without it, so a call from another thread, or from a window message
// dispatched during the scan, can replace them without freeing what the scan reads.
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "library/core/byte_set.h"
#include "library/core/palette_image.h"
#include "library/core/point_pattern.h"
#include "library/core/row_chain_search.h"

namespace pixfarrow {

struct PointPattern {
  std::int32_t anchorIndex = -1;  // -1: no pattern
  std::vector<PatternPoint> points;
};

class PointSearchCache {
 public:
  // SearchPoints over the kept image and pattern after taking in the images given. An empty
  // big image means the kept one; a left-out small image the kept pattern; a left-out
  // background colour none. (-1, -1) when the big image cannot be loaded (the cache then
  // keeps none), when there is no kept image, or when the pattern has no anchor.
  Point Find(const ByteSet& big, const ByteSet* small = nullptr, std::optional<std::int32_t> background = {},
             std::int32_t percent = 0, std::int32_t tolerance = 0);

  // The same with SearchPointsAll. Each early exit returns 0 and leaves hits as given.
  std::int32_t FindAll(std::vector<Point>& hits, const ByteSet& big, const ByteSet* small = nullptr,
                       std::optional<std::int32_t> background = {}, std::int32_t percent = 0,
                       std::int32_t tolerance = 0);

  // What is kept, for tests.
  std::shared_ptr<const PaletteImage> Big() const;
  std::shared_ptr<const PointPattern> Pattern() const;

 private:
  struct Snapshot {
    std::shared_ptr<const PaletteImage> big;
    std::shared_ptr<const PointPattern> pattern;
  };
  // Takes in the images given; nothing when there is nothing to search.
  std::optional<Snapshot> Prepare(const ByteSet& big, const ByteSet* small, std::optional<std::int32_t> background);

  mutable std::mutex mutex_;
  std::shared_ptr<const PaletteImage> big_;
  std::shared_ptr<const PointPattern> pattern_;
};

// The two instances of the loaded library, one per operation; freed when it unloads.
PointSearchCache& FindPointsCache();
PointSearchCache& FindPointsAltCache();

}  // namespace pixfarrow
