#include "library/core/point_pattern.h"

#include <cstdlib>
#include <optional>

#include "library/core/color_search.h"
#include "library/core/palette_view.h"
#include "library/core/pattern_search.h"
#include "library/core/process_events.h"

namespace pixfarrow {
namespace {

bool PointsMatch(const PaletteView& view, std::int64_t x, std::int64_t y, const std::vector<PatternPoint>& points,
                 std::int64_t tolerance, std::int64_t need) {
  std::int64_t matched = 0;
  for (const PatternPoint& p : points) {
    const std::int64_t px = x + p.dx, py = y + p.dy;
    if (!view.Contains(px, py)) return false;
    const bool counts = std::abs(view.At(px, py) - static_cast<std::int64_t>(p.index)) <= tolerance;
    ProcessEvents();
    if (counts && ++matched >= need) return true;
  }
  return false;
}

template <class Found>
void Scan(const ByteSet& pixels, std::int32_t width, std::int32_t height, const std::vector<PatternPoint>& points,
          std::int32_t anchorIndex, std::int32_t tolerance, std::int32_t percent, Found found) {
  const std::optional<PaletteView> view = PaletteView::Of(pixels, width, height);
  if (!view) return;
  const std::int64_t need = NeededCount(points.size(), percent);
  for (std::int64_t y = view->height() - 1; y >= 0; --y) {
    for (std::int64_t x = 0; x < view->width(); ++x) {
      if (std::abs(static_cast<std::int64_t>(view->At(x, y)) - anchorIndex) <= tolerance &&
          PointsMatch(*view, x, y, points, tolerance, need) &&
          !found(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y))) {
        return;
      }
      ProcessEvents();
    }
  }
}

}  // namespace

std::int32_t PointPatternOf(const PaletteImage& image, std::int32_t background, std::vector<PatternPoint>& points) {
  const std::optional<PaletteView> view = PaletteView::Of(image.pixels, image.width, image.height);
  if (!view) return -1;
  std::optional<PatternPoint> anchor;
  for (std::int32_t y = image.height - 1; y >= 0; --y) {
    for (std::int32_t x = 0; x < image.width; ++x) {
      const int index = view->At(x, y);
      if (index != background) {
        if (!anchor) {
          anchor = PatternPoint{x, y, index};
        } else {
          points.push_back({x - anchor->dx, y - anchor->dy, index});
        }
      }
      ProcessEvents();
    }
  }
  return anchor ? anchor->index : -1;
}

std::int32_t ImagePattern(const ByteSet& image, std::int32_t& background, std::vector<PatternPoint>& points) {
  const std::optional<PaletteImage> decoded = DecodePaletteImage(image);
  if (!decoded) return -1;
  if (background != -1) background = PaletteIndexOfColour(static_cast<std::uint32_t>(background));
  return PointPatternOf(*decoded, background, points);
}

Point SearchPoints(const ByteSet& pixels, std::int32_t width, std::int32_t height,
                   const std::vector<PatternPoint>& points, std::int32_t anchorIndex, std::int32_t tolerance,
                   std::int32_t percent) {
  Point result = kNotFound;
  Scan(pixels, width, height, points, anchorIndex, tolerance, percent, [&](std::int32_t x, std::int32_t y) {
    result = {x, y};
    return false;
  });
  return result;
}

std::int32_t SearchPointsAll(std::vector<Point>& hits, const ByteSet& pixels, std::int32_t width,
                             std::int32_t height, const std::vector<PatternPoint>& points,
                             std::int32_t anchorIndex, std::int32_t tolerance, std::int32_t percent) {
  hits.clear();
  Scan(pixels, width, height, points, anchorIndex, tolerance, percent, [&](std::int32_t x, std::int32_t y) {
    hits.push_back({x, y});
    return true;
  });
  return static_cast<std::int32_t>(hits.size());
}

}  // namespace pixfarrow
