// Under Wine, in one run, against the stand-in showing the 800 x 600 chat scene:
//   - rounds per second of the real automation worker (capture + ZT), with an absent target,
//     against rounds of the first design (the same capture + temporary-file search);
//   - the reaction time from the target's paint in the stand-in to the first Enter key-down
//     it records, over repeated runs (median and 95th percentile).
//   pixfarrow_run_timing.exe [runs]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "app/win/run/find_image_in_shot.h"
#include "app/win/run/run_road.h"
#include "app/win/run/window_capture.h"
#include "bench/gdi_literal_design.h"
#include "bench/median_timer.h"
#include "bench/ui_scene.h"
#include "tests/support/standin_client.h"
#include "tests/win/run/bound_library.h"

namespace {

using quorvela::ByteBuffer;
using Clock = std::chrono::steady_clock;

ByteBuffer Checker(int size) {
  return pixfarrow::bench::Bmp24(size, size, [](int x, int y) { return (x + y) % 2 ? 0xC81E28u : 0x14B45Au; });
}

ByteBuffer Plain(int size, std::uint32_t colour) {
  return pixfarrow::bench::Bmp24(size, size, [=](int, int) { return colour; });
}

std::wstring WriteScene() {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring path = std::wstring(folder) + L"qv_run_timing_scene.bmp";
  const ByteBuffer scene = pixfarrow::bench::SceneBmp();
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, scene.data(), static_cast<DWORD>(scene.size()), &written, nullptr);
  CloseHandle(file);
  return path;
}

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[std::min(at, values.size() - 1)];
}

// Rounds per second of the worker over `seconds`.
double WorkerRoundsPerSecond(quorvela::win::RunRoad& road, double seconds) {
  quorvela::RunState& state = road.state();
  road.ToggleRunNow();
  Sleep(300);  // past the thread's start
  state.roundCount.exchange(0);
  const auto start = Clock::now();
  Sleep(static_cast<DWORD>(seconds * 1000));
  const int rounds = state.roundCount.exchange(0);
  const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  road.ToggleRunNow();
  qv::test::WaitUntil([&] { return !road.workerAlive(); });
  return rounds / elapsed;
}

// Rounds per second of the first design: the same capture, then the temporary-file search.
double LiteralRoundsPerSecond(std::uint32_t window, const ByteBuffer& target, double seconds) {
  int rounds = 0;
  const auto start = Clock::now();
  double elapsed = 0;
  while (elapsed < seconds) {
    const ByteBuffer shot = quorvela::win::CaptureWindowBmp(window);
    if (pixfarrow::bench::LiteralDesignSearch(shot, target) != 0) std::puts("unexpected hit");
    ++rounds;
    elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  }
  return rounds / elapsed;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, static_cast<int>(std::wcstol(argv[1], nullptr, 10))) : 60;
  qv::test::PixfarrowDll dll;
  if (!qv::test::BindPixfarrow(dll)) {
    std::puts("cannot bind Pixfarrow.dll");
    return 1;
  }
  qv::test::StandInOptions options;
  options.scene = WriteScene();
  qv::test::StandIn standin(options);
  if (!standin.window()) {
    std::puts("the stand-in did not start");
    return 1;
  }
  const auto window = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(standin.window()));
  RECT frame{};
  GetWindowRect(standin.window(), &frame);
  std::printf("stand-in: client 800 x 600, whole window %ld x %ld\n", frame.right - frame.left,
              frame.bottom - frame.top);

  quorvela::RunState state;
  quorvela::win::RunRoad road(state);
  const ByteBuffer absent = Checker(40);
  state.targetImage.replace(absent);
  if (road.CheckReady() != 1) {
    std::puts("ready check failed");
    return 1;
  }

  // The parts of one round, median per call.
  ByteBuffer shot;
  const double literalCaptureUs = pixfarrow::bench::MedianMicroseconds(100, 0, [&] {
    shot = quorvela::win::CaptureWindowBmp(window);
    return 0;
  });
  quorvela::win::WindowCapturer capturer;
  const double captureUs = pixfarrow::bench::MedianMicroseconds(200, 0, [&] {
    shot = capturer.capture(window, std::move(shot));
    return 0;
  });
  const double ztUs = pixfarrow::bench::MedianMicroseconds(
      200, 0, [&] { return quorvela::win::FindImageInShot(shot, absent); });
  const double literalUs = pixfarrow::bench::MedianMicroseconds(
      20, 0, [&] { return pixfarrow::bench::LiteralDesignSearch(shot, absent); });
  std::printf("capture of the whole window: %.0f us (built anew each time: %.0f us); ZT (absent 40 x 40): %.0f us; "
              "first design's search: %.0f us\n",
              captureUs, literalCaptureUs, ztUs, literalUs);

  const double worker = WorkerRoundsPerSecond(road, 5.0);
  const double literal = LiteralRoundsPerSecond(window, absent, 5.0);
  std::printf("rounds per second: worker %.1f, first design %.1f, ratio %.1f\n", worker, literal, worker / literal);

  // Reaction: paint the target while a run is on, read the stand-in's own clock for the paint
  // and the first Enter key-down.
  const ByteBuffer target = Checker(20);
  const ByteBuffer cover = Plain(20, pixfarrow::bench::SceneColour(0, 0));
  state.targetImage.replace(target);
  std::vector<double> reactionMs;
  for (int run = 0; run < runs; ++run) {
    const int x = 120 + (run * 97) % 600;
    const int y = 40 + (run * 53) % 500;
    if (road.CheckReady() != 1 || road.ToggleRunNow() != 2) break;
    Sleep(30 + (run * 7) % 20);  // the paint lands anywhere in a round
    const std::size_t before = standin.ReadRecord().messages.size();
    if (!standin.PaintTarget(target, x, y)) break;
    // Reading the record while the run goes on would load the wine server it needs.
    qv::test::WaitUntil([&] { return !road.workerAlive(); });
    const qv::test::StandInRecord record = standin.WaitForMessages(before + 2000, 20000);
    road.GaugeTimerTick();
    if (record.messages.size() <= before || record.paints.empty()) break;
    reactionMs.push_back(static_cast<double>(record.messages[before].at - record.paints.back()) * 1000.0 /
                         static_cast<double>(record.frequency));
    standin.PaintTarget(cover, x, y);
  }
  // The floor of the reaction: from the paint until a capture on this thread shows the
  // target (that capture included).
  std::vector<double> visibleMs;
  for (int run = 0; run < 20; ++run) {
    const int x = 150 + (run * 61) % 500;
    const int y = 60 + (run * 37) % 400;
    standin.PaintTarget(target, x, y);
    LARGE_INTEGER seen{};
    for (int tries = 0; tries < 1000; ++tries) {
      shot = capturer.capture(window, std::move(shot));
      QueryPerformanceCounter(&seen);
      if (quorvela::win::FindImageInShot(shot, target) != 0) break;
    }
    const qv::test::StandInRecord painted = standin.ReadRecord();
    visibleMs.push_back(static_cast<double>(seen.QuadPart - painted.paints.back()) * 1000.0 /
                        static_cast<double>(painted.frequency));
    standin.PaintTarget(cover, x, y);
  }
  std::printf("paint until a capture shows it (that capture included): median %.2f ms\n", Percentile(visibleMs, 0.5));
  if (reactionMs.empty()) {
    std::puts("no reaction measured");
    return 1;
  }
  std::printf("reaction from paint to first Enter key-down over %zu runs: median %.2f ms, 95th percentile %.2f ms, "
              "best %.2f ms, worst %.2f ms\n",
              reactionMs.size(), Percentile(reactionMs, 0.5), Percentile(reactionMs, 0.95),
              Percentile(reactionMs, 0.0), Percentile(reactionMs, 1.0));
  standin.Close();
  return 0;
}
