#pragma once
// Reads a reference PNG as 0x00RRGGBB pixels, rows from the top (libpng).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pixfarrow::test {

struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // top row first
};

std::optional<RgbPicture> ReadPng(const std::string& path);

}  // namespace pixfarrow::test
