// Under Wine, in one run: ZT through the built DLL against the first design's search
// (temporary file, system loader, GDI conversion, plain search) on every kind of scene,
// both shot sizes, targets of 16 to 64 pixels, present and absent; ZT's first call on each
// new capture beside its steady time; and how often GDI's colour matching agrees with our
// FixedPalette rule.
//   pixfarrow_zt_compare.exe [path of Pixfarrow.dll]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

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

std::int32_t AsInt(const void* p) { return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(p)); }

std::wstring DefaultDllPath() {
  wchar_t self[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring folder(self, n);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder + L"..\\dist\\Quorvela\\\u6A21\u5757\\Pixfarrow.dll";  // 模块
}

double Microseconds(const std::function<std::int32_t()>& call, std::int32_t want, bool& right) {
  const auto start = std::chrono::steady_clock::now();
  const std::int32_t r = call();
  const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
  right = right && r == want;
  return us;
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
  const auto zt = dll.get() ? reinterpret_cast<ZtFn>(reinterpret_cast<void*>(GetProcAddress(dll.get(), "ZT"))) : nullptr;
  if (!zt) {
    std::printf("cannot load ZT from %ls\n", dllPath.c_str());
    return 1;
  }
  auto call = [&](const ByteSet& big, const ByteSet& small) {
    return zt(AsInt(big.data()), static_cast<std::int32_t>(big.size()), AsInt(small.data()),
              static_cast<std::int32_t>(small.size()));
  };
  bool right = true;
  {
    const Scene noise = MakeScene(SceneKind::kNoise, 800, 600, 7);
    const ByteSet target = AbsentTarget(noise, 32);
    std::printf("first ZT call of the process (noise 800x600, absent 32): %.0f us\n",
                Microseconds([&] { return call(noise.file, target); }, 0, right));
  }
  std::printf("\nZT through Pixfarrow.dll against the first design, in microseconds; first call: the first ZT\n"
              "on a capture just written, after the previous case's first design; steady: median of 41 calls;\n"
              "the first design: median of 5 calls\n\n");
  std::printf("| case | first design | ZT first call | ZT steady | first / steady | design / ZT first | design / ZT steady |\n");
  std::printf("|---|---:|---:|---:|---:|---:|---:|\n");
  double worstFirst = 1e9, worstSteady = 1e9, worstSpread = 0;
  for (const SceneKind kind : kSceneKinds) {
    for (const Shot& shot : kShots) {
      for (const bool present : {false, true}) {
        for (const int size : kTargetSizes) {
          const std::int32_t want = present ? 1 : 0;
          const Scene scene = MakeScene(kind, shot.width, shot.height, 3);
          const ByteSet target = present ? PresentTarget(scene, size) : AbsentTarget(scene, size);
          const ByteSet capture = scene.file;  // written just before the call, as a capture would be
          const double first = Microseconds([&] { return call(capture, target); }, want, right);
          const double steady = MedianMicroseconds(41, want, [&] { return call(capture, target); });
          const double design = MedianMicroseconds(5, want, [&] { return LiteralDesignSearch(capture, target); });
          if (steady < 0 || design < 0) right = false;
          worstFirst = std::min(worstFirst, design / first);
          worstSteady = std::min(worstSteady, design / steady);
          worstSpread = std::max(worstSpread, first / steady);
          std::printf("| %s | %.0f | %.0f | %.0f | %.2f | %.1f | %.1f |\n", CaseName(kind, shot, present, size).c_str(),
                      design, first, steady, first / steady, design / first, design / steady);
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
    const double design = MedianMicroseconds(5, 0, [&] { return LiteralDesignSearch(scene.file, target); });
    if (steady < 0 || design < 0) right = false;
    std::printf("flat UI 800x600, a 200 x 120 block of the background that fits nowhere: first design %.0f us, "
                "ZT %.0f us, %.1f x\n", design, steady, design / steady);
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
