// The colour search and the tolerant matchers on the palette pixels of an 800 x 600
// capture, each against a plain per-pixel loop over the same bytes.
#include <benchmark/benchmark.h>

#include "color_search_inputs.h"
#include "library/core/color_search.h"
#include "library/core/tolerant_match.h"

namespace pixfarrow::bench {
namespace {

void Expect(benchmark::State& state, std::int64_t got) {
  if (got != -1) state.SkipWithError("the target should be absent");
  benchmark::DoNotOptimize(got);
}

void BM_ColourExact(benchmark::State& state) {
  const ByteSet index{ColourInputs().absent};
  for (auto _ : state) Expect(state, FindPaletteColour(ColourInputs().pixels, index, 0, 1));
}
void BM_ColourExactPlainLoop(benchmark::State& state) {
  for (auto _ : state) Expect(state, PlainFindByteNear(ColourInputs().pixels, ColourInputs().absent, 0));
}
void BM_ColourTolerance2(benchmark::State& state) {
  const ByteSet index{ColourInputs().absent};
  for (auto _ : state) Expect(state, FindPaletteColour(ColourInputs().pixels, index, 2, 1));
}
void BM_ColourTolerance2PlainLoop(benchmark::State& state) {
  for (auto _ : state) Expect(state, PlainFindByteNear(ColourInputs().pixels, ColourInputs().absent, 2));
}
void BM_BytesNearTolerance1(benchmark::State& state) {
  for (auto _ : state) Expect(state, FindBytesNear(ColourInputs().pixels, ColourInputs().pattern, 1, kNoWildcard, 1));
}
void BM_BytesNearTolerance1PlainLoop(benchmark::State& state) {
  for (auto _ : state) Expect(state, PlainFindBytesNear(ColourInputs().pixels, ColourInputs().pattern, 1));
}

BENCHMARK(BM_ColourExact)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ColourExactPlainLoop)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ColourTolerance2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ColourTolerance2PlainLoop)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BytesNearTolerance1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BytesNearTolerance1PlainLoop)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pixfarrow::bench
