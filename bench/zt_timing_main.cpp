// Timing of FindImageInImageBytes (the body of ZT) in this process for the Windows build,
// run under Wine (Google Benchmark is native only): on every kind of scene, both shot
// sizes, targets of 16 to 64 pixels, present and absent, the first call on a capture just
// made and the median of 101 calls.
#include <chrono>
#include <cstdio>

#include "bench/scenes.h"
#include "library/core/image_search.h"
#include "median_timer.h"

int main() {
  using namespace pixfarrow;
  using namespace pixfarrow::bench;
  std::printf("| case | first call (us) | steady (us) |\n|---|---:|---:|\n");
  for (const SceneKind kind : kSceneKinds) {
    for (const Shot& shot : kShots) {
      for (const bool present : {false, true}) {
        for (const int size : kTargetSizes) {
          const Scene scene = MakeScene(kind, shot.width, shot.height, 3);
          const ByteSet target = present ? PresentTarget(scene, size) : AbsentTarget(scene, size);
          const ByteSet capture = scene.file;  // written just before the call, as a capture would be
          auto zt = [&] {
            return FindImageInImageBytes(capture.data(), static_cast<std::int32_t>(capture.size()), target.data(),
                                         static_cast<std::int32_t>(target.size()));
          };
          const auto start = std::chrono::steady_clock::now();
          const std::int32_t first = zt();
          const double firstUs = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
          const double steady = MedianMicroseconds(101, present ? 1 : 0, zt);
          std::printf("| %s | %.0f%s | %.0f |\n", CaseName(kind, shot, present, size).c_str(), firstUs,
                      first == (present ? 1 : 0) ? "" : " (wrong)", steady);
        }
      }
    }
  }
  return 0;
}
