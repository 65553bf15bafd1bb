// Under Wine, in one run: ZT through the built DLL against the first design's search
// (temporary file, system loader, GDI conversion, plain search) on every kind of scene,
// both shot sizes, targets of 16 to 64 pixels, present and absent; ZT's first call on new
// captures beside its steady time; and how often GDI's colour matching agrees with our
// FixedPalette rule. As in the program, the library's first call is QWXJB (the start hook's
// window search), which completes its start-up; that start-up is timed apart.
//   pixfarrow_zt_compare.exe [path of Pixfarrow.dll]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench/fresh_captures.h"
#include "bench/gdi_literal_design.h"
#include "bench/scenes.h"
#include "library/core/color_tables.h"
#include "library/core/dib_layout.h"
#include "library/core/nearest_color.h"
#include "library/win/bitmap/gdi_owners.h"
#include "library/win/bitmap/selected_dib.h"
#include "library/win/frame/unique_module.h"
#include "median_timer.h"

namespace {

using namespace pixfarrow;
using namespace pixfarrow::bench;
using ZtFn = std::int32_t(__stdcall*)(std::int32_t, std::int32_t, std::int32_t, std::int32_t);
using QwxjbFn = std::int32_t(__stdcall*)();

constexpr int kScenesPerCase = 5;

std::int32_t AsInt(const void* p) { return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(p)); }

std::wstring DefaultDllPath() {
  wchar_t self[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring folder(self, n);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder + L"..\\dist\\Quorvela\\\u6A21\u5757\\Pixfarrow.dll";  // 模块
}

double Microseconds(const std::function<std::int32_t()>& call) {
  const auto start = std::chrono::steady_clock::now();
  call();
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

// GDI's FixedPalette index for each colour, by one blit of a 32-bit row of them.
std::vector<std::uint8_t> GdiIndexes(const std::vector<Rgb>& colours) {
  const auto width = static_cast<std::int32_t>(colours.size());
  InfoHeader header;
  header.width = width;
  header.height = 1;
  header.bitCount = 32;
  ByteSet packed = InfoHeaderBytes(header);
  packed.resize(packed.size() + colours.size() * 4);
  win::ScreenDc screen = win::TakeScreenDc();
  auto source = win::MakeSelectedDib(screen.get(), packed, colours.size() * 4);
  if (!source) return {};
  std::memcpy(source->dibBits, colours.data(), colours.size() * 4);
  const ByteSet indexes = GdiPaletteBytes(source->memoryDC.get(), width, 1);
  return std::vector<std::uint8_t>(indexes.begin(), indexes.begin() + std::min<std::ptrdiff_t>(width, indexes.size()));
}

void PrintAgreement(const char* what, const std::vector<Rgb>& colours) {
  const std::vector<std::uint8_t> gdi = GdiIndexes(colours);
  if (gdi.size() != colours.size()) {
    std::printf("%s: GDI conversion failed\n", what);
    return;
  }
  std::size_t sameIndex = 0, sameColour = 0;
  for (std::size_t i = 0; i < colours.size(); ++i) {
    const std::uint8_t ours = FixedPaletteIndex(colours[i]);
    sameIndex += gdi[i] == ours;
    sameColour += kFixedColors[gdi[i]] == kFixedColors[ours];
  }
  std::printf("%s: %zu colours, GDI agrees on the index for %.2f%%, on the table colour for %.2f%%\n", what,
              colours.size(), 100.0 * sameIndex / colours.size(), 100.0 * sameColour / colours.size());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring dllPath = argc > 1 ? argv[1] : DefaultDllPath();
  const win::UniqueModule dll(LoadLibraryW(dllPath.c_str()));
  auto entry = [&](const char* name) {
    return dll.get() ? reinterpret_cast<void*>(GetProcAddress(dll.get(), name)) : nullptr;
  };
  const auto zt = reinterpret_cast<ZtFn>(entry("ZT"));
  const auto qwxjb = reinterpret_cast<QwxjbFn>(entry("QWXJB"));
  if (!zt || !qwxjb) {
    std::printf("cannot load ZT and QWXJB from %ls\n", dllPath.c_str());
    return 1;
  }
  const Search call = [&](const ByteSet& big, const ByteSet& small) {
    return zt(AsInt(big.data()), static_cast<std::int32_t>(big.size()), AsInt(small.data()),
              static_cast<std::int32_t>(small.size()));
  };
  const Search design = [](const ByteSet& big, const ByteSet& small) { return LiteralDesignSearch(big, small); };
  bool right = true;
  std::printf("the library's start-up, on its first call (QWXJB, as the program's start hook makes it): %.0f us\n",
              Microseconds([&] { return qwxjb(); }));
  {
    const Scene noise = MakeScene(SceneKind::kNoise, 800, 600, 7);
    const ByteSet target = AbsentTarget(noise, 32);
    const ByteSet capture = noise.file;
    std::int32_t r = 0;
    std::printf("the first ZT call of the process, after it (noise 800x600, absent 32): %.0f us\n",
                Microseconds([&] { return r = call(capture, target); }));
    right = right && r == 0;
  }
  std::printf("\nZT through Pixfarrow.dll against the first design, in microseconds, each the median over %d scenes\n"
              "of the case's kind (other content each): first call: the first ZT on a capture written just before\n"
              "it, after the last scene's first design; steady: median of 21 calls on that capture; first design:\n"
              "median of 3 calls on it; first / steady: the median of that ratio, each on one scene; \"other answer\":\n"
              "the first design found an absent target on some scene: GDI's colour matching gave its changed pixel\n"
              "the index of the pixel it replaced\n\n",
              kScenesPerCase);
  std::printf("| case | first design | ZT first call | ZT steady | first / steady | design / ZT first | design / ZT steady |\n");
  std::printf("|---|---:|---:|---:|---:|---:|---:|\n");
  double worstFirst = 1e9, worstSteady = 1e9, worstSpread = 0;
  for (const SceneKind kind : kSceneKinds) {
    for (const Shot& shot : kShots) {
      const FreshScenes scenes(kind, shot, kScenesPerCase);
      for (const bool present : {false, true}) {
        for (const int size : kTargetSizes) {
          const CaseTimes t = TimeCase(scenes, present, size, call, 21, design, 3);
          right = right && t.right;
          worstFirst = std::min(worstFirst, t.other / t.first);
          worstSteady = std::min(worstSteady, t.other / t.steady);
          worstSpread = std::max(worstSpread, t.firstOverSteady);
          std::printf("| %s | %.0f%s | %.0f%s | %.0f | %.2f | %.1f | %.1f |\n", CaseName(kind, shot, present, size).c_str(),
                      t.other, t.otherRight ? "" : " (other answer)", t.first, t.right ? "" : " (wrong)", t.steady, t.firstOverSteady, t.other / t.first, t.other / t.steady);
          std::fflush(stdout);
        }
      }
    }
  }
  std::printf("\nsmallest ratio to the first design: %.1f (first calls), %.1f (steady); largest first / steady: %.2f\n",
              worstFirst, worstSteady, worstSpread);
  {
    // Long runs of one index: a block of the background that fits nowhere.
    const Scene scene = MakeScene(SceneKind::kFlatUi, 800, 600, 3);
    const ByteSet target = FlatTarget(scene, 200, 120);
    const double steady = MedianMicroseconds(41, 0, [&] { return call(scene.file, target); });
    const double designed = MedianMicroseconds(5, 0, [&] { return LiteralDesignSearch(scene.file, target); });
    if (steady < 0 || designed < 0) right = false;
    std::printf("flat UI 800x600, a 200 x 120 block of the background that fits nowhere: first design %.0f us, "
                "ZT %.0f us, %.1f x\n", designed, steady, designed / steady);
  }

  std::vector<Rgb> table(kFixedColors.begin(), kFixedColors.end());
  PrintAgreement("GDI colour matching vs our rule, exact table colours", table);
  std::mt19937 random(20240501);
  std::vector<Rgb> sample(100000);
  for (Rgb& c : sample) c = random() & 0xFFFFFF;
  PrintAgreement("GDI colour matching vs our rule, random colours", sample);
  if (!right) {
    std::printf("a search gave a wrong result\n");
    return 1;
  }
  return 0;
}
