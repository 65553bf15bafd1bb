// FindImageInImageBytes (the body of ZT) on every kind of scene, both shot sizes, targets
// of 16 to 64 pixels, present and absent: "steady" repeats one call on one capture,
// "first call" is the median of 7 calls, each on a capture that no call has seen before.
// Both on the scene of seed 3, the first of those the Wine programs take.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <vector>

#include "bench/scenes.h"
#include "common/bmp/bmp_layout.h"
#include "library/core/image_search.h"
#include "library/core/palette_image.h"
#include "ui_scene.h"

namespace pixfarrow::bench {
namespace {

constexpr std::uint32_t kSeed = 3;

std::int32_t Zt(const ByteSet& big, const ByteSet& small) {
  return FindImageInImageBytes(big.data(), static_cast<std::int32_t>(big.size()), small.data(),
                               static_cast<std::int32_t>(small.size()));
}

const Scene& CachedScene(SceneKind kind, const Shot& shot) {
  static std::map<std::pair<int, int>, std::unique_ptr<Scene>> scenes;
  auto& slot = scenes[{static_cast<int>(kind), shot.width}];
  if (!slot) slot = std::make_unique<Scene>(MakeScene(kind, shot.width, shot.height, kSeed));
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

// Each of 7 calls on the scene made anew (and the one before freed) just before it, so
// that no cache holds what the search reads; the median of the 7.
void FirstCall(benchmark::State& state, SceneKind kind, Shot shot, bool present, int size) {
  for (auto _ : state) {
    std::vector<double> seconds;
    for (int i = 0; i < 7; ++i) {
      std::unique_ptr<Scene> scene = std::make_unique<Scene>(MakeScene(kind, shot.width, shot.height, kSeed));
      const ByteSet target = Target(*scene, present, size);
      const ByteSet capture = scene->file;  // written just before the call, as a capture would be
      scene.reset();
      const auto start = std::chrono::steady_clock::now();
      const std::int32_t r = Zt(capture, target);
      seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
      if (r != (present ? 1 : 0)) state.SkipWithError("wrong result");
    }
    std::sort(seconds.begin(), seconds.end());
    state.SetIterationTime(seconds[seconds.size() / 2]);
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

// The whole conversion of a capture into a new image, and into a kept buffer (as
// FindImageAlt's kept image and ZT's spare buffer take it).
void DecodeCaptureToPalette(benchmark::State& state, SceneKind kind, Shot shot) {
  const Scene& scene = CachedScene(kind, shot);
  for (auto _ : state) benchmark::DoNotOptimize(DecodePaletteImage(scene.file));
}
void DecodeCaptureIntoKeptBuffer(benchmark::State& state, SceneKind kind, Shot shot) {
  const Scene& scene = CachedScene(kind, shot);
  const auto layout = ParseBmpLayout(scene.file);
  ByteSet kept;
  for (auto _ : state) {
    DecodePaletteBytes(*layout, scene.file, kept);
    benchmark::DoNotOptimize(kept.data());
  }
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
              ->UseManualTime()
              ->Iterations(1);
        }
      }
    }
  }
  benchmark::RegisterBenchmark("ZT flat UI 800x600 background block 200x120 that fits nowhere", FlatTargetInFlatScene)
      ->Unit(benchmark::kMicrosecond);
  for (const Shot& shot : kShots) {
    for (const SceneKind kind : kSceneKinds) {
      const std::string name = std::string(NameOf(kind)) + " " + std::to_string(shot.width) + "x" + std::to_string(shot.height);
      benchmark::RegisterBenchmark(("DecodePaletteImage " + name).c_str(), DecodeCaptureToPalette, kind, shot)
          ->Unit(benchmark::kMicrosecond);
      benchmark::RegisterBenchmark(("DecodePaletteBytes into a kept buffer " + name).c_str(),
                                   DecodeCaptureIntoKeptBuffer, kind, shot)
          ->Unit(benchmark::kMicrosecond);
    }
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
