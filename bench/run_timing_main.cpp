// Under Wine, against the stand-in showing each scene kind (flat UI, gradients, photo-like,
// noise) at 800 x 600, in one run:
//   - the steps of one capture, each derived anew, and the capture as the
//     worker makes it; the conversion of a whole capture to palette indexes, into a new
//     buffer and into a kept one; ZT; one press and a whole burst;
//   - rounds per second of the real automation worker (absent target) against the limit
//     1 / (capture alone + ZT alone), and the first design's rounds (the same capture, then
//     the temporary-file search);
//   - all of it after a warm-up pass on the first scene that is not counted: the scene
//     measured first otherwise paid for Wine's and the machine's start (its captures and
//     its capture-and-ZT rounds a fifth slower or more than the same scene measured last);
//   - on the noise scene, the reaction time from the target's paint in the stand-in to the
//     first Enter key-down it records, over repeated runs.
//   pixfarrow_run_timing.exe [runs] [seconds]
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/win/library_binding/bound_library.h"
#include "app/win/run/press_send_key.h"
#include "app/win/run/window_capture.h"
#include "bench/capture_steps.h"
#include "bench/gdi_literal_design.h"
#include "bench/scenes.h"
#include "bench/step_samples.h"
#include "bench/ui_scene.h"
#include "library/core/palette_image.h"
#include "tests/support/standin_client.h"
#include "tests/win/run/bound_library.h"
#include "tests/win/run/recording_road.h"

namespace {

using pixfarrow::bench::Mean;
using pixfarrow::bench::Percentile;
using pixfarrow::bench::SceneKind;
using pixfarrow::bench::StepSamples;
using pixfarrow::bench::Stopwatch;
using quorvela::ByteBuffer;
using qv::test::RecordingRoad;

// Bound once, for every measurement.
quorvela::win::BoundLibrary library;

constexpr int kWidth = 800;
constexpr int kHeight = 600;

ByteBuffer Checker(int size) {
  return pixfarrow::bench::Bmp24(size, size, [](int x, int y) { return (x + y) % 2 ? 0xC81E28u : 0x14B45Au; });
}

std::wstring WriteScene(SceneKind kind) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring path = std::wstring(folder) + L"qv_run_timing_scene.bmp";
  const ByteBuffer scene = pixfarrow::bench::MakeScene(kind, kWidth, kHeight).file;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, scene.data(), static_cast<DWORD>(scene.size()), &written, nullptr);
  CloseHandle(file);
  return path;
}

// The Linux load average, through Wine's drive for the root folder.
std::string MachineLoad() {
  std::ifstream load("Z:\\proc\\loadavg");
  std::string one, five, fifteen;
  if (!(load >> one >> five >> fifteen)) return "unknown";
  return one + " " + five + " " + fifteen;
}

std::uint32_t WindowWord(HWND window) { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)); }

// Repeats call for about `seconds` (at least 20 times); microseconds per call.
std::vector<double> TimesOver(double seconds, const std::function<void()>& call) {
  std::vector<double> times;
  Stopwatch watch;
  double total = 0;
  while (total < seconds * 1e6 || times.size() < 20) {
    call();
    times.push_back(watch.lap());
    total += times.back();
  }
  return times;
}

// Rounds per second of the real worker over `seconds`, once it runs.
double WorkerRoundsPerSecond(RecordingRoad& road, double seconds) {
  quorvela::RunState& state = road.state();
  if (road.CheckReady() != 1 || road.ToggleRunNow() != 2) return 0;
  qv::test::WaitUntil([&] { return state.roundCount.load() >= 10; });
  state.roundCount.exchange(0);
  Stopwatch watch;
  Sleep(static_cast<DWORD>(seconds * 1000));
  const int rounds = state.roundCount.exchange(0);
  const double elapsed = watch.lap() / 1e6;
  road.ToggleRunNow();
  qv::test::WaitUntil([&] { return !road.workerAlive(); });
  road.GaugeTimerTick();
  return rounds / elapsed;
}

struct SceneFigures {
  SceneKind kind = SceneKind::kFlatUi;
  bool measured = false;
  StepSamples steps;  // the capture, step by step, each step derived anew
  std::vector<double> capture, conversion, keptConversion, zt;
  std::vector<double> roundCapture, roundZt;  // alternated on one thread, as in a round
  std::vector<double> freshCapture, reusedCapture;
  double workerRounds = 0;
  double firstDesignRounds = 0;
  double limit() const { return 1e6 / (Mean(capture) + Mean(zt)); }
};

// Two passes of capture alone, ZT alone and the worker, so that a change of the machine's
// load during the run weighs on both sides alike.
SceneFigures MeasureScene(SceneKind kind, double seconds) {
  SceneFigures figures;
  figures.kind = kind;
  qv::test::StandInOptions options;
  options.scene = WriteScene(kind);
  qv::test::StandIn standin(options);
  if (!standin.window()) return figures;
  const std::uint32_t window = WindowWord(standin.window());
  quorvela::RunState state;
  RecordingRoad road(state, library);
  const ByteBuffer absent = Checker(40);
  state.targetImage.replace(absent);

  std::vector<std::uint8_t> pixels;
  for (int i = 0; i < 200; ++i) TimedCaptureSteps(standin.window(), figures.steps, pixels);

  quorvela::win::WindowCapturer capturer;
  ByteBuffer shot;
  auto captureOnce = [&] { shot = capturer.capture(window, std::move(shot)); };
  auto ztOnce = [&] {
    if (library.ZT(shot, absent) != 0) std::puts("unexpected hit");
  };
  for (int i = 0; i < 20; ++i) captureOnce(), ztOnce();  // past the first calls
  // The worker writes each capture over an earlier one: against a fresh buffer every time,
  // alternated call by call.
  for (int i = 0; i < 200; ++i) {
    Stopwatch watch;
    capturer.capture(window);  // its pages taken and given back
    figures.freshCapture.push_back(watch.lap());
    captureOnce();
    figures.reusedCapture.push_back(watch.lap());
  }
  for (int pass = 0; pass < 2; ++pass) {
    for (double us : TimesOver(seconds / 2, captureOnce)) figures.capture.push_back(us);
    for (double us : TimesOver(seconds / 2, ztOnce)) figures.zt.push_back(us);
    figures.workerRounds += WorkerRoundsPerSecond(road, seconds / 2) / 2;
    Stopwatch watch;
    for (double spent = 0; spent < seconds * 1e6 / 2;) {
      captureOnce();
      figures.roundCapture.push_back(watch.lap());
      ztOnce();
      figures.roundZt.push_back(watch.lap());
      spent += figures.roundCapture.back() + figures.roundZt.back();
    }
  }
  for (int i = 0; i < 20; ++i) pixfarrow::DecodePaletteImage(shot);
  figures.conversion = TimesOver(seconds / 4, [&] {
    if (!pixfarrow::DecodePaletteImage(shot)) std::puts("conversion failed");
  });
  const auto layout = pixfarrow::ParseBmpLayout(shot);
  pixfarrow::ByteSet kept;
  if (layout) {
    figures.keptConversion = TimesOver(seconds / 4, [&] { pixfarrow::DecodePaletteBytes(*layout, shot, kept); });
  }
  const std::vector<double> firstDesign = TimesOver(seconds / 2, [&] {
    shot = capturer.capture(window, std::move(shot));
    if (pixfarrow::bench::LiteralDesignSearch(shot, absent) != 0) std::puts("unexpected hit");
  });
  figures.firstDesignRounds = 1e6 / Mean(firstDesign);
  figures.measured = !figures.capture.empty() && shot.size() > 54;
  return figures;
}

void PrintSteps(const std::vector<SceneFigures>& scenes) {
  std::puts("\nThe capture step by step, each step derived anew (mean us per round, median in brackets):\n");
  std::printf("| step |");
  for (const auto& s : scenes) std::printf(" %s |", pixfarrow::bench::NameOf(s.kind));
  std::printf("\n|---|");
  for (std::size_t i = 0; i < scenes.size(); ++i) std::printf("---|");
  std::puts("");
  for (const std::string& step : scenes.front().steps.steps()) {
    std::printf("| %s |", step.c_str());
    for (const auto& s : scenes) std::printf(" %.0f (%.0f) |", s.steps.mean(step), s.steps.median(step));
    std::puts("");
  }
}

void PrintRounds(const std::vector<SceneFigures>& scenes) {
  std::puts("\nOne round as the worker makes it (mean us per call) and rounds per second:\n");
  std::puts("| scene | capture | fresh vs reused buffer | whole conversion: new vs kept buffer | ZT (conversion and "
            "search) | limit 1/(capture+ZT) | worker | worker / limit | capture, ZT alternated | first design | worker / "
            "first design |");
  std::puts("|---|---|---|---|---|---|---|---|---|---|---|");
  for (const auto& s : scenes) {
    const double zt = Mean(s.zt);
    std::printf("| %s | %.0f | %.0f vs %.0f | %.0f vs %.0f | %.0f | %.1f | %.1f | %.2f | %.0f + %.0f | %.1f | %.1f |\n",
                pixfarrow::bench::NameOf(s.kind), Mean(s.capture), Mean(s.freshCapture), Mean(s.reusedCapture),
                Mean(s.conversion), Mean(s.keptConversion), zt, s.limit(), s.workerRounds, s.workerRounds / s.limit(),
                Mean(s.roundCapture), Mean(s.roundZt), s.firstDesignRounds, s.workerRounds / s.firstDesignRounds);
  }
}

// Reaction on the noise scene: paint a patch of other noise while a run is on, then read the
// stand-in's own clock for the paint and for the first Enter key-down.
bool MeasureReaction(int runs) {
  qv::test::StandInOptions options;
  options.scene = WriteScene(SceneKind::kNoise);
  const pixfarrow::bench::Scene noise = pixfarrow::bench::MakeScene(SceneKind::kNoise, kWidth, kHeight);
  qv::test::StandIn standin(options);
  if (!standin.window()) return false;
  const std::uint32_t window = WindowWord(standin.window());
  quorvela::RunState state;
  RecordingRoad road(state, library);

  std::vector<double> press;
  Stopwatch pressWatch;
  for (int i = 0; i < 200; ++i) {
    library.JPXX(window);
    press.push_back(pressWatch.lap());
  }
  Stopwatch burstWatch;
  quorvela::win::PressSendKey(library, window);
  const double burstMs = burstWatch.lap() / 1000;
  std::printf("\nsend: one JPXX press %.0f us (median of %zu), the burst of 1000 presses %.0f ms\n",
              Percentile(press, 0.5), press.size(), burstMs);

  const ByteBuffer target =
      pixfarrow::bench::MakeScene(SceneKind::kNoise, 20, 20, 0xBEEF).file;
  state.targetImage.replace(target);
  std::vector<double> reactionMs;
  for (int run = 0; run < runs; ++run) {
    const int x = 120 + (run * 97) % 600;
    const int y = 40 + (run * 53) % 500;
    const ByteBuffer cover = pixfarrow::bench::Bmp24(20, 20, [&](int i, int j) { return noise.At(x + i, y + j); });
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
  if (reactionMs.empty()) return false;
  std::printf("reaction on the noise scene, paint to first Enter key-down, %zu runs: median %.2f ms, 90th percentile "
              "%.2f ms (best %.2f, worst %.2f)\n",
              reactionMs.size(), Percentile(reactionMs, 0.5), Percentile(reactionMs, 0.9), Percentile(reactionMs, 0.0),
              Percentile(reactionMs, 1.0));
  standin.Close();
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, static_cast<int>(std::wcstol(argv[1], nullptr, 10))) : 60;
  const double seconds = argc > 2 ? std::max(1.0, std::wcstod(argv[2], nullptr)) : 4.0;
  qv::test::PixfarrowDll dll;
  if (!qv::test::BindPixfarrow(dll, library)) {
    std::puts("cannot bind Pixfarrow.dll");
    return 1;
  }
  std::printf("load average at the start: %s\n", MachineLoad().c_str());
  if (!MeasureScene(pixfarrow::bench::kSceneKinds[0], seconds / 2).measured) {
    std::puts("no figures for the warm-up pass");
    return 1;
  }
  std::printf("warm-up pass on the %s scene done (not counted)\n", pixfarrow::bench::NameOf(pixfarrow::bench::kSceneKinds[0]));
  std::vector<SceneFigures> scenes;
  for (SceneKind kind : pixfarrow::bench::kSceneKinds) {
    scenes.push_back(MeasureScene(kind, seconds));
    if (!scenes.back().measured) {
      std::printf("no figures for the %s scene\n", pixfarrow::bench::NameOf(kind));
      return 1;
    }
  }
  PrintSteps(scenes);
  PrintRounds(scenes);
  const bool reacted = MeasureReaction(runs);
  std::printf("load average at the end: %s\n", MachineLoad().c_str());
  if (!reacted) {
    std::puts("no reaction measured");
    return 1;
  }
  return 0;
}
