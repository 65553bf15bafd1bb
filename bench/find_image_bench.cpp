// FindImageInImageBytes (the body of ZT) on an 800 x 600 24-bit capture.
#include <benchmark/benchmark.h>

#include "library/core/image_search.h"
#include "library/core/palette_image.h"
#include "ui_scene.h"

namespace pixfarrow::bench {
namespace {

struct Inputs {
  ByteSet scene = SceneBmp();
  // A quarter of an avatar in the chat list (present, 20 x 20).
  ByteSet present = Bmp24(20, 20, [](int x, int y) { return SceneColour(60 + 12 + 20 + x, 4 * 64 + 12 + y); });
  // An avatar of colours the scene does not hold (absent, 40 x 40).
  ByteSet absentNew = Bmp24(40, 40, [](int x, int y) { return 0x3050A0u + static_cast<std::uint32_t>(x * 0x020100 + y * 0x000201); });
  // A crop of the scene with its top-left pixel changed: every byte is a scene byte and the
  // bottom rows match, so candidates are verified all over (absent, 40 x 40).
  ByteSet absentNear = Bmp24(40, 40, [](int x, int y) {
    return x == 0 && y == 0 ? 0x123456u : SceneColour(60 + 12 + x, 3 * 64 + 12 + y);
  });
};

const Inputs& Get() {
  static const Inputs inputs;
  return inputs;
}

void Run(benchmark::State& state, const ByteSet& small, std::int32_t want) {
  const ByteSet& big = Get().scene;
  for (auto _ : state) {
    const std::int32_t r = FindImageInImageBytes(big.data(), static_cast<std::int32_t>(big.size()), small.data(),
                                                 static_cast<std::int32_t>(small.size()));
    if (r != want) state.SkipWithError("wrong result");
    benchmark::DoNotOptimize(r);
  }
}

void BM_ZtAbsentTarget(benchmark::State& state) { Run(state, Get().absentNew, 0); }
void BM_ZtAbsentSceneColouredTarget(benchmark::State& state) { Run(state, Get().absentNear, 0); }
void BM_ZtPresentTarget(benchmark::State& state) { Run(state, Get().present, 1); }

void BM_DecodeCaptureToPalette(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(DecodePaletteImage(Get().scene));
}

BENCHMARK(BM_ZtAbsentTarget)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ZtAbsentSceneColouredTarget)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ZtPresentTarget)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecodeCaptureToPalette)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pixfarrow::bench

BENCHMARK_MAIN();
