// Under Wine, in one run: the first design's search (temporary file, system loader, GDI
// conversion) against ZT through the built DLL and against FindImageInImageBytes in this
// process, on the 800 x 600 x 24 capture with an absent 40 x 40 target; and how often GDI's
// colour matching agrees with our FixedPalette rule.
//   pixfarrow_zt_compare.exe [path of Pixfarrow.dll]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bench/gdi_literal_design.h"
#include "library/core/color_tables.h"
#include "library/core/dib_layout.h"
#include "library/core/image_search.h"
#include "library/core/nearest_color.h"
#include "library/win/bitmap/gdi_owners.h"
#include "library/win/bitmap/selected_dib.h"
#include "library/win/frame/unique_module.h"
#include "median_timer.h"
#include "ui_scene.h"

namespace {

using namespace pixfarrow;
using ZtFn = std::int32_t(__stdcall*)(std::int32_t, std::int32_t, std::int32_t, std::int32_t);

std::int32_t AsInt(const void* p) { return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(p)); }

using bench::MedianMicroseconds;

std::wstring DefaultDllPath() {
  wchar_t self[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring folder(self, n);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder + L"..\\dist\\Quorvela\\\u6A21\u5757\\Pixfarrow.dll";  // 模块
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
  const ByteSet indexes = bench::GdiPaletteBytes(source->memoryDC.get(), width, 1);
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
  const ByteSet scene = bench::SceneBmp();
  const ByteSet absent = bench::Bmp24(40, 40, [](int x, int y) {
    return 0x3050A0u + static_cast<std::uint32_t>(x * 0x020100 + y * 0x000201);
  });
  const std::wstring dllPath = argc > 1 ? argv[1] : DefaultDllPath();
  const win::UniqueModule dll(LoadLibraryW(dllPath.c_str()));
  const auto zt = dll.get() ? reinterpret_cast<ZtFn>(reinterpret_cast<void*>(GetProcAddress(dll.get(), "ZT"))) : nullptr;
  if (!zt) {
    std::printf("cannot load ZT from %ls\n", dllPath.c_str());
    return 1;
  }
  const auto big = static_cast<std::int32_t>(scene.size()), small = static_cast<std::int32_t>(absent.size());

  const ByteSet present = bench::Bmp24(20, 20, [](int x, int y) { return bench::SceneColour(92 + x, 4 * 64 + 12 + y); });
  if (bench::LiteralDesignSearch(scene, present) != 1 || zt(AsInt(scene.data()), big, AsInt(present.data()),
                                                            static_cast<std::int32_t>(present.size())) != 1) {
    std::printf("a present target was not found\n");
    return 1;
  }
  std::printf("800 x 600 x 24 capture, absent 40 x 40 target, median per call:\n");
  const double literal = MedianMicroseconds(41, 0, [&] { return bench::LiteralDesignSearch(scene, absent); });
  const double exported = MedianMicroseconds(301, 0, [&] { return zt(AsInt(scene.data()), big, AsInt(absent.data()), small); });
  const double inProcess = MedianMicroseconds(301, 0, [&] {
    return FindImageInImageBytes(scene.data(), big, absent.data(), small);
  });
  std::printf("  (a) first design (file, LoadImageA, GDI to 8 bits, plain search): %8.0f us\n", literal);
  std::printf("  (b) ZT through Pixfarrow.dll:                                      %8.0f us\n", exported);
  std::printf("  (c) FindImageInImageBytes in this process:                         %8.0f us\n", inProcess);
  if (exported > 0 && inProcess > 0) {
    std::printf("  ratio a / b: %.1f x    a / c: %.1f x\n", literal / exported, literal / inProcess);
  }

  std::vector<Rgb> table(kFixedColors.begin(), kFixedColors.end());
  PrintAgreement("GDI colour matching vs our rule, exact table colours", table);
  std::mt19937 random(20240501);
  std::vector<Rgb> sample(100000);
  for (Rgb& c : sample) c = random() & 0xFFFFFF;
  PrintAgreement("GDI colour matching vs our rule, random colours", sample);
  return 0;
}
