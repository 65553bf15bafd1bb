// Timing of the colour search and the tolerant matchers for the Windows build, run under
// Wine: medians of repeated calls beside the plain per-pixel loops, and their ratios.
#include <cstdio>

#include "color_search_inputs.h"
#include "library/core/color_search.h"
#include "library/core/tolerant_match.h"
#include "median_timer.h"

namespace {

using namespace pixfarrow;
using namespace pixfarrow::bench;

void Report(const char* what, const std::function<std::int32_t()>& fast, const std::function<std::int32_t()>& plain) {
  const double ours = MedianMicroseconds(300, -1, fast), loop = MedianMicroseconds(300, -1, plain);
  std::printf("%s: %.0f us, plain loop %.0f us, %.1f times faster (medians of 300)\n", what, ours, loop, loop / ours);
}

}  // namespace

int main() {
  const ColourSearchInputs& in = ColourInputs();
  const ByteSet index{in.absent};
  Report("colour, exact", [&] { return static_cast<std::int32_t>(FindPaletteColour(in.pixels, index, 0, 1)); },
         [&] { return static_cast<std::int32_t>(PlainFindByteNear(in.pixels, in.absent, 0)); });
  Report("colour, tolerance 2", [&] { return static_cast<std::int32_t>(FindPaletteColour(in.pixels, index, 2, 1)); },
         [&] { return static_cast<std::int32_t>(PlainFindByteNear(in.pixels, in.absent, 2)); });
  Report("8 bytes, tolerance 1",
         [&] { return static_cast<std::int32_t>(FindBytesNear(in.pixels, in.pattern, 1, kNoWildcard, 1)); },
         [&] { return static_cast<std::int32_t>(PlainFindBytesNear(in.pixels, in.pattern, 1)); });
  return 0;
}
