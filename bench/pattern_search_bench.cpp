// Point-pattern and text-pattern searches on the 800 x 600 capture: a point search that
// loads both images against one that reuses what its cache keeps, and a full scan for a
// text pattern that is absent.
#include <benchmark/benchmark.h>

#include "library/core/palette_image.h"
#include "library/core/pattern_search.h"
#include "library/core/point_search_cache.h"
#include "ui_scene.h"

namespace pixfarrow::bench {
namespace {

struct Inputs {
  ByteSet scene = SceneBmp();
  // A 20 x 20 quarter of an avatar in the chat list (present).
  ByteSet present = Bmp24(20, 20, [](int x, int y) { return SceneColour(60 + 12 + 20 + x, 4 * 64 + 12 + y); });
  PaletteImage sceneIndexes = *DecodePaletteImage(SceneBmp());
};

const Inputs& Get() {
  static const Inputs inputs;
  return inputs;
}

void BM_FindPointsLoadingBothImages(benchmark::State& state) {
  PointSearchCache cache;
  for (auto _ : state) {
    const Point p = cache.Find(Get().scene, &Get().present);
    if (p == kNotFound) state.SkipWithError("not found");
    benchmark::DoNotOptimize(p);
  }
}

void BM_FindPointsReusingTheCache(benchmark::State& state) {
  PointSearchCache cache;
  cache.Find(Get().scene, &Get().present);
  for (auto _ : state) {
    const Point p = cache.Find(ByteSet{});
    if (p == kNotFound) state.SkipWithError("not found");
    benchmark::DoNotOptimize(p);
  }
}

void BM_SearchPatternAbsentText(benchmark::State& state) {
  // A 6 x 12 cell whose text is a vertical bar, in a colour the scene does not hold.
  TextMask mask{6, 12, std::vector<std::uint8_t>(72, 0)};
  for (int y = 2; y < 11; ++y) mask.text[static_cast<std::size_t>(y) * 6 + 2] = 1;
  const TextPattern pattern = TextPatternFromMask(mask);
  const PaletteImage& image = Get().sceneIndexes;
  for (auto _ : state) {
    const Point p = SearchPattern(image.pixels, image.width, image.height, pattern.text, pattern.background, 37, 0, 0);
    benchmark::DoNotOptimize(p);
  }
}

BENCHMARK(BM_FindPointsLoadingBothImages)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindPointsReusingTheCache)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchPatternAbsentText)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pixfarrow::bench
