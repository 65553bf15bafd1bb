#include "library/core/pattern_search.h"

#include <cstdlib>
#include <optional>

#include "library/core/palette_view.h"
#include "library/core/process_events.h"

namespace pixfarrow {
namespace {

struct Rule {
  std::int64_t target = 0;
  std::int64_t tolerance = 0;
  std::int64_t needText = 0;
  std::int64_t needBackground = 0;
  bool emptyBackgroundMatches = true;
};

bool Near(std::int64_t a, std::int64_t b, std::int64_t tolerance) { return std::abs(a - b) <= tolerance; }

bool TextPointsMatch(const PaletteView& view, std::int64_t x, std::int64_t y, int c,
                     const std::vector<PatternOffset>& text, const Rule& rule) {
  std::int64_t matched = 0;
  for (const PatternOffset& o : text) {
    const std::int64_t px = x + o.dx, py = y + o.dy;
    if (!view.Contains(px, py)) return false;
    // The count is tested after a matching point only: one must match even when 0 are needed.
    if (Near(view.At(px, py), c, rule.tolerance) && ++matched >= rule.needText) return true;
  }
  return false;
}

bool BackgroundPointsMatch(const PaletteView& view, std::int64_t x, std::int64_t y, int c,
                           const std::vector<PatternOffset>& background, const Rule& rule) {
  if (background.empty()) return rule.emptyBackgroundMatches;
  std::int64_t differing = 0;
  for (const PatternOffset& o : background) {
    const std::int64_t px = x + o.dx, py = y + o.dy;
    // The last two bytes of the buffer never serve as background.
    if (!view.Contains(px, py) || view.IndexOf(px, py) + 1 > view.length() - 2) return false;
    if (view.At(px, py) != c && ++differing >= rule.needBackground) return true;
  }
  return false;
}

// Calls found(x, y) for each match in scan order until it returns false.
template <class Found>
void Scan(const ByteSet& pixels, std::int32_t width, std::int32_t height, const std::vector<PatternOffset>& text,
          const std::vector<PatternOffset>& background, const Rule& rule, Found found) {
  const std::optional<PaletteView> view = PaletteView::Of(pixels, width, height);
  if (!view) return;
  for (std::int64_t y = view->height() - 1; y >= 0; --y) {
    for (std::int64_t x = 0; x < view->width(); ++x) {
      const int c = view->At(x, y);
      if (Near(c, rule.target, rule.tolerance) && TextPointsMatch(*view, x, y, c, text, rule) &&
          BackgroundPointsMatch(*view, x, y, c, background, rule) &&
          !found(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y))) {
        return;
      }
      ProcessEvents();
    }
  }
}

std::int32_t CollectAll(std::vector<Point>& hits, const ByteSet& pixels, std::int32_t width, std::int32_t height,
                        const std::vector<PatternOffset>& text, const std::vector<PatternOffset>& background,
                        const Rule& rule) {
  hits.clear();
  Scan(pixels, width, height, text, background, rule, [&](std::int32_t x, std::int32_t y) {
    hits.push_back({x, y});
    return true;
  });
  return static_cast<std::int32_t>(hits.size());
}

}  // namespace

std::int64_t NeededCount(std::size_t count, std::int32_t percent) {
  const double p = percent == 0 ? 100.0 : percent;
  return static_cast<std::int64_t>(static_cast<double>(count) * p / 100.0);
}

Point SearchPattern(const ByteSet& pixels, std::int32_t width, std::int32_t height,
                    const std::vector<PatternOffset>& text, const std::vector<PatternOffset>& background,
                    std::int32_t target, std::int32_t tolerance, std::int32_t percent) {
  const Rule rule{target, tolerance, NeededCount(text.size(), percent), NeededCount(background.size(), percent)};
  Point result = kNotFound;
  Scan(pixels, width, height, text, background, rule, [&](std::int32_t x, std::int32_t y) {
    result = {x, y};
    return false;
  });
  return result;
}

std::int32_t SearchPatternAll(std::vector<Point>& hits, const ByteSet& pixels, std::int32_t width,
                              std::int32_t height, const std::vector<PatternOffset>& text,
                              const std::vector<PatternOffset>& background, std::int32_t target,
                              std::int32_t tolerance, std::int32_t textPercent, std::int32_t backgroundPercent) {
  const Rule rule{target, tolerance, NeededCount(text.size(), textPercent),
                  NeededCount(background.size(), backgroundPercent)};
  return CollectAll(hits, pixels, width, height, text, background, rule);
}

std::int32_t SearchPatternExactAll(std::vector<Point>& hits, const ByteSet& pixels, std::int32_t width,
                                   std::int32_t height, const std::vector<PatternOffset>& text,
                                   const std::vector<PatternOffset>& background, std::int32_t target) {
  const Rule rule{target, 0, static_cast<std::int64_t>(text.size()), static_cast<std::int64_t>(background.size()),
                  false};
  return CollectAll(hits, pixels, width, height, text, background, rule);
}

}  // namespace pixfarrow
