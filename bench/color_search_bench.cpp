// The colour search and the tolerant matchers on the palette pixels of an 800 x 600
// capture, each against a plain per-pixel loop over the same bytes.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>

#include "library/core/color_search.h"
#include "library/core/palette_image.h"
#include "library/core/tolerant_match.h"
#include "ui_scene.h"

namespace pixfarrow::bench {
namespace {

struct Inputs {
  Inputs() {
    pixels = DecodePaletteImage(SceneBmp())->pixels;
    std::array<bool, 256> held{};
    for (std::uint8_t b : pixels) held[b] = true;
    // An index the scene does not hold, nor any index within 2 of it: every search scans
    // the whole capture.
    for (int i = 2; i < 254; ++i) {
      if (!held[i - 2] && !held[i - 1] && !held[i] && !held[i + 1] && !held[i + 2]) {
        absent = static_cast<std::uint8_t>(i);
        break;
      }
    }
    // A run of scene bytes with the last one changed by 3: found nowhere within 1, but its
    // first bytes match all over.
    pattern.assign(pixels.begin() + 300 * 800 + 100, pixels.begin() + 300 * 800 + 108);
    pattern.back() = static_cast<std::uint8_t>(pattern.back() + 3);
  }
  ByteSet pixels;
  std::uint8_t absent = 0;
  ByteSet pattern;
};

const Inputs& Get() {
  static const Inputs inputs;
  return inputs;
}

std::int64_t PlainFindByteNear(const ByteSet& bytes, int target, int tolerance) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (std::abs(bytes[i] - target) <= tolerance) return static_cast<std::int64_t>(i) + 1;
  }
  return -1;
}

std::int64_t PlainFindBytesNear(const ByteSet& h, const ByteSet& p, int tolerance) {
  for (std::size_t i = 0; i + p.size() <= h.size(); ++i) {
    std::size_t k = 0;
    while (k < p.size() && std::abs(h[i + k] - p[k]) <= tolerance) ++k;
    if (k == p.size()) return static_cast<std::int64_t>(i) + 1;
  }
  return -1;
}

void Expect(benchmark::State& state, std::int64_t got) {
  if (got != -1) state.SkipWithError("the target should be absent");
  benchmark::DoNotOptimize(got);
}

void BM_ColourExact(benchmark::State& state) {
  const ByteSet index{Get().absent};
  for (auto _ : state) Expect(state, FindPaletteColour(Get().pixels, index, 0, 1));
}
void BM_ColourExactPlainLoop(benchmark::State& state) {
  for (auto _ : state) Expect(state, PlainFindByteNear(Get().pixels, Get().absent, 0));
}
void BM_ColourTolerance2(benchmark::State& state) {
  const ByteSet index{Get().absent};
  for (auto _ : state) Expect(state, FindPaletteColour(Get().pixels, index, 2, 1));
}
void BM_ColourTolerance2PlainLoop(benchmark::State& state) {
  for (auto _ : state) Expect(state, PlainFindByteNear(Get().pixels, Get().absent, 2));
}
void BM_BytesNearTolerance1(benchmark::State& state) {
  for (auto _ : state) Expect(state, FindBytesNear(Get().pixels, Get().pattern, 1, kNoWildcard, 1));
}
void BM_BytesNearTolerance1PlainLoop(benchmark::State& state) {
  for (auto _ : state) Expect(state, PlainFindBytesNear(Get().pixels, Get().pattern, 1));
}

BENCHMARK(BM_ColourExact)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ColourExactPlainLoop)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ColourTolerance2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ColourTolerance2PlainLoop)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BytesNearTolerance1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BytesNearTolerance1PlainLoop)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pixfarrow::bench
