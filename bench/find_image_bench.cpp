// FindImageInImageBytes (the body of ZT) on every kind of scene, both shot sizes, targets
// of 16 to 64 pixels, present and absent: "steady" repeats one call on one capture,
// "first call" times one call on a capture that no call has seen before.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "bench/scenes.h"
#include "library/core/image_search.h"
#include "library/core/palette_image.h"
#include "ui_scene.h"

namespace pixfarrow::bench {
namespace {

std::int32_t Zt(const ByteSet& big, const ByteSet& small) {
  return FindImageInImageBytes(big.data(), static_cast<std::int32_t>(big.size()), small.data(),
                               static_cast<std::int32_t>(small.size()));
}

const Scene& CachedScene(SceneKind kind, const Shot& shot) {
  static std::map<std::pair<int, int>, std::unique_ptr<Scene>> scenes;
  auto& slot = scenes[{static_cast<int>(kind), shot.width}];
  if (!slot) slot = std::make_unique<Scene>(MakeScene(kind, shot.width, shot.height));
  return *slot;
}

ByteSet Target(const Scene& scene, bool present, int size) {
  return present ? PresentTarget(scene, size) : AbsentTarget(scene, size);
}

void Steady(benchmark::State& state, SceneKind kind, Shot shot, bool present, int size) {
  const Scene& scene = CachedScene(kind, shot);
  const ByteSet target = Target(scene, present, size);
  for (auto _ : state) {
    const std::int32_t r = Zt(scene.file, target);
    if (r != (present ? 1 : 0)) state.SkipWithError("wrong result");
    benchmark::DoNotOptimize(r);
  }
}

// A new scene of the same kind (another seed) for every call, made (and the one before
// freed) while the clock stands.
void FirstCall(benchmark::State& state, SceneKind kind, Shot shot, bool present, int size) {
  std::uint32_t seed = 100;
  Scene scene;
  ByteSet target, capture;
  for (auto _ : state) {
    state.PauseTiming();
    scene = MakeScene(kind, shot.width, shot.height, ++seed);
    target = Target(scene, present, size);
    capture = scene.file;  // written just before the call, as a capture would be
    state.ResumeTiming();
    const std::int32_t r = Zt(capture, target);
    if (r != (present ? 1 : 0)) state.SkipWithError("wrong result");
    benchmark::DoNotOptimize(r);
  }
}

// Long runs of one index: a block of the chat window's background colour that fits nowhere.
void FlatTargetInFlatScene(benchmark::State& state) {
  const Scene& scene = CachedScene(SceneKind::kFlatUi, kShots[0]);
  const ByteSet target = FlatTarget(scene, 200, 120);
  for (auto _ : state) {
    const std::int32_t r = Zt(scene.file, target);
    if (r != 0) state.SkipWithError("wrong result");
    benchmark::DoNotOptimize(r);
  }
}

void DecodeCaptureToPalette(benchmark::State& state, SceneKind kind) {
  const Scene& scene = CachedScene(kind, kShots[0]);
  for (auto _ : state) benchmark::DoNotOptimize(DecodePaletteImage(scene.file));
}

void Register() {
  for (const SceneKind kind : kSceneKinds) {
    for (const Shot& shot : kShots) {
      for (const bool present : {false, true}) {
        for (const int size : kTargetSizes) {
          const std::string name = "ZT " + CaseName(kind, shot, present, size);
          benchmark::RegisterBenchmark((name + " steady").c_str(), Steady, kind, shot, present, size)
              ->Unit(benchmark::kMicrosecond);
          benchmark::RegisterBenchmark((name + " first call").c_str(), FirstCall, kind, shot, present, size)
              ->Unit(benchmark::kMicrosecond)
              ->Iterations(5);
        }
      }
    }
  }
  benchmark::RegisterBenchmark("ZT flat UI 800x600 background block 200x120 that fits nowhere", FlatTargetInFlatScene)
      ->Unit(benchmark::kMicrosecond);
  for (const SceneKind kind : kSceneKinds) {
    benchmark::RegisterBenchmark((std::string("DecodePaletteImage ") + NameOf(kind) + " 800x600").c_str(),
                                 DecodeCaptureToPalette, kind)
        ->Unit(benchmark::kMicrosecond);
  }
}

}  // namespace
}  // namespace pixfarrow::bench

int main(int argc, char** argv) {
  pixfarrow::bench::Register();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
