// Timing of FindImageInImageBytes (the body of ZT) in this process for the Windows build,
// run under Wine (Google Benchmark is native only): on every kind of scene, both shot
// sizes, targets of 16 to 64 pixels, present and absent; each the median over 5 scenes of
// the kind of the first call on a capture written just before it, and of 101 calls on it.
#include <cstdio>

#include "bench/fresh_captures.h"
#include "bench/scenes.h"
#include "library/core/image_search.h"

int main() {
  using namespace pixfarrow;
  using namespace pixfarrow::bench;
  const Search zt = [](const ByteSet& big, const ByteSet& small) {
    return FindImageInImageBytes(big.data(), static_cast<std::int32_t>(big.size()), small.data(),
                                 static_cast<std::int32_t>(small.size()));
  };
  std::printf("| case | first call (us) | steady (us) | first / steady |\n|---|---:|---:|---:|\n");
  for (const SceneKind kind : kSceneKinds) {
    for (const Shot& shot : kShots) {
      const FreshScenes scenes(kind, shot, 5);
      for (const bool present : {false, true}) {
        for (const int size : kTargetSizes) {
          const CaseTimes t = TimeCase(scenes, present, size, zt, 101);
          std::printf("| %s | %.0f%s | %.0f | %.2f |\n", CaseName(kind, shot, present, size).c_str(), t.first,
                      t.right ? "" : " (wrong)", t.steady, t.firstOverSteady);
        }
      }
    }
  }
  return 0;
}
