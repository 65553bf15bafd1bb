#pragma once
// Run-log lines: the type picks the colour; the caller's text already carries its tag.
#include <cstdint>
#include <optional>

namespace quorvela {

enum class RunLogType : std::int32_t { kError = 0, kWarning = 1, kInformation = 2 };

// COLORREF 0x00BBGGRR of a line type; nothing for a type that writes no line.
constexpr std::optional<std::uint32_t> runLogColour(std::int32_t type) {
  switch (type) {
    case 0: return 0x000000FFu;  // red
    case 1: return 0x00FF8800u;  // blue
    case 2: return 0x0080E000u;  // green
    default: return std::nullopt;
  }
}

// The character format every line gets.
inline constexpr const char* kRunLogFace = "黑体";
inline constexpr int kRunLogPoints = 9;

}  // namespace quorvela
