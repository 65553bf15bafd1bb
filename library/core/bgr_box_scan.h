#pragma once
// Scans rows of blue, green, red pixels for the first colour inside a box, without
// converting them: the search for one palette index in a capture looks at the index's
// bounds first (fixed_palette_map.h) and converts only the pixels inside them.
#include <array>
#include <cstddef>
#include <cstdint>

#include "library/core/fixed_palette_map.h"

namespace pixfarrow {

inline constexpr std::size_t kNoPixel = static_cast<std::size_t>(-1);

class BoxScan {
 public:
  // Pixels bytesPerPixel (3 or 4) apart; a fourth byte is not part of the colour.
  BoxScan(const ColourBox& box, std::size_t bytesPerPixel);

  // Index of the first of count pixels whose colour lies in the box, or kNoPixel. Reads
  // only the count pixels' bytes.
  std::size_t Find(const std::uint8_t* bgr, std::size_t count) const;

  // The two ways Find has, for the tests: plain code, and SSE2 on x86 (which the 32-bit
  // Windows build assumes, as every processor that runs a supported Windows has it;
  // elsewhere FindSse2 is the plain code).
  std::size_t FindPortable(const std::uint8_t* bgr, std::size_t count) const;
  std::size_t FindSse2(const std::uint8_t* bgr, std::size_t count) const;
  static bool HasSse2();

 private:
  ColourBox box_;
  std::size_t bytesPerPixel_;
  // Per 16 bytes of pixels: byte j's lower and upper bound, for the three phases of 3-byte
  // pixels (the one of 4-byte pixels is phase 0).
  std::array<std::array<std::uint8_t, 16>, 3> low_{};
  std::array<std::array<std::uint8_t, 16>, 3> high_{};
};

}  // namespace pixfarrow
