// Timing under Wine of a full text-pattern scan of the 800 x 600 capture, with the thread's
// messages dispatched after every position (PeekMessageW each time) and as the library
// dispatches them (at most once per tick).
#include <windows.h>

#include <cstdio>

#include "library/core/palette_image.h"
#include "library/core/pattern_search.h"
#include "library/core/process_events.h"
#include "library/win/frame/message_pump.h"
#include "median_timer.h"
#include "ui_scene.h"

namespace {

using namespace pixfarrow;

void DrainEveryTime() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

double ScanMicroseconds(const PaletteImage& image, const TextPattern& pattern, int calls) {
  return bench::MedianMicroseconds(calls, -1, [&] {
    return SearchPattern(image.pixels, image.width, image.height, pattern.text, pattern.background, 37, 0, 0).x;
  });
}

}  // namespace

int main() {
  const PaletteImage image = *DecodePaletteImage(bench::SceneBmp());
  TextMask mask{6, 12, std::vector<std::uint8_t>(72, 0)};
  for (int y = 2; y < 11; ++y) mask.text[static_cast<std::size_t>(y) * 6 + 2] = 1;
  const TextPattern pattern = TextPatternFromMask(mask);

  const double none = ScanMicroseconds(image, pattern, 30);
  SetProcessEventsHandler(&win::DispatchPendingMessages);
  const double perTick = ScanMicroseconds(image, pattern, 30);
  SetProcessEventsHandler(&DrainEveryTime);
  const double every = ScanMicroseconds(image, pattern, 5);
  std::printf("text-pattern scan, 800 x 600, absent: %.0f us without dispatching, %.0f us dispatching at most once "
              "per tick, %.0f us peeking after every position (medians)\n",
              none, perTick, every);
  return 0;
}
