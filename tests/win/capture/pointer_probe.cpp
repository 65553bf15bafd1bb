// Runs one capture over the known pattern for a drag made with the real X pointer:
// prints "ready" once the capture windows have come to rest, then waits for the drag
// (made by tests/win/capture/pointer_drag_test.sh through the X server) and checks that
// the result holds exactly the pattern's pixels from (10, 10) to (19, 19).
#include <windows.h>

#include <cstdio>
#include <string>
#include <thread>

#include "common/capture_result_text.h"
#include "library/win/capture/capture_screen_region.h"
#include "tests/win/capture/capture_driver.h"
#include "tests/win/capture/captured_image.h"
#include "tests/win/capture/pattern_window.h"

int main() {
  qv::test::PatternWindow pattern;
  std::thread announce([] {
    qv::test::CaptureWindows w;
    if (qv::test::WaitForOverlay(&w) && qv::test::WaitForRest(w)) std::puts("ready");
    else std::puts("no capture windows");
    std::fflush(stdout);
  });
  const std::string text = pixfarrow::capture::CaptureScreenRegion();
  announce.join();
  const auto where = qv::ParseCaptureResultText(text);
  if (!where) { std::printf("fail: result text not in two parts\n"); return 1; }
  const auto img = qv::test::CapturedImageAt(*where);
  if (img.width != 10 || img.height != 10) {
    std::printf("fail: %d x %d captured\n", img.width, img.height);
    return 1;
  }
  int wrong = 0;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x)
      if (img.At(x, y) != qv::test::PatternWindow::At(10 + x, 10 + y)) ++wrong;
  if (wrong) { std::printf("fail: %d pixels differ\n", wrong); return 1; }
  const auto left = qv::test::FindCaptureWindows();
  if (left.capture || left.overlay || left.guide) { std::printf("fail: windows left\n"); return 1; }
  std::printf("ok\n");
  return 0;
}
