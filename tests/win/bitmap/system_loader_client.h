#pragma once
// Runs the system's BMP file loader on one file in a child process (qv_system_loader_probe)
// and reads back its pixels; a crash or hang of the loader counts as a refusal.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qv::test {

struct SystemLoadedImage {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint32_t> pixels;  // BGRx, bottom row first
};

enum SystemLoadWay { kPlainBitmap = 0, kDibSection = 1 };

// Index by SystemLoadWay; nothing where the loader refused the file or crashed.
std::array<std::optional<SystemLoadedImage>, 2> LoadWithSystemLoader(const std::wstring& file);

}  // namespace qv::test
