// Timing of FindImageInImageBytes for the Windows build, run under Wine (Google Benchmark
// is native only): the median of repeated calls on the 800 x 600 capture.
#include <cstdio>

#include "library/core/image_search.h"
#include "median_timer.h"
#include "ui_scene.h"

namespace {

using namespace pixfarrow;

double MedianMicroseconds(const ByteSet& big, const ByteSet& small, std::int32_t want, int calls) {
  return bench::MedianMicroseconds(calls, want, [&] {
    return FindImageInImageBytes(big.data(), static_cast<std::int32_t>(big.size()), small.data(),
                                 static_cast<std::int32_t>(small.size()));
  });
}

}  // namespace

int main() {
  const ByteSet scene = bench::SceneBmp();
  const ByteSet absent = bench::Bmp24(40, 40, [](int x, int y) {
    return 0x3050A0u + static_cast<std::uint32_t>(x * 0x020100 + y * 0x000201);
  });
  const ByteSet present = bench::Bmp24(20, 20, [](int x, int y) { return bench::SceneColour(92 + x, 4 * 64 + 12 + y); });
  std::printf("ZT, 800 x 600 x 24, absent 40 x 40: %.0f us (median of 300)\n", MedianMicroseconds(scene, absent, 0, 300));
  std::printf("ZT, 800 x 600 x 24, present 20 x 20: %.0f us (median of 300)\n", MedianMicroseconds(scene, present, 1, 300));
  return 0;
}
