#pragma once
// The bitmap class's three colour tables. A colour is 0x00RRGGBB here, which is also a
// 32-bit BGRx pixel read as a little-endian integer.
#include <array>
#include <cstdint>
#include <span>

#include "library/core/byte_set.h"

namespace pixfarrow {

using Rgb = std::uint32_t;  // 0x00RRGGBB

inline constexpr std::array<Rgb, 2> kMonoColors = {0x000000, 0xFFFFFF};

inline constexpr std::array<Rgb, 16> kVga16Colors = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
    0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

namespace detail {
constexpr std::array<Rgb, 256> MakeFixedColors() {
  std::array<Rgb, 256> c{};
  constexpr Rgb low[10] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080,
                           0x800080, 0x008080, 0xC0C0C0, 0xC0DCC0, 0xA6CAF0};
  constexpr Rgb high[10] = {0xFFFBF0, 0xA0A0A4, 0x808080, 0xFF0000, 0x00FF00,
                            0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  for (int i = 0; i < 10; ++i) c[i] = low[i];
  for (int i = 10; i < 246; ++i) {
    const Rgb red = (i % 8) * 32, green = ((i / 8) % 8) * 32, blue = (i / 64) * 64;
    c[i] = (red << 16) | (green << 8) | blue;
  }
  for (int i = 0; i < 10; ++i) c[246 + i] = high[i];
  return c;
}
}  // namespace detail

// Index order matters: the image finder compares these indexes.
inline constexpr std::array<Rgb, 256> kFixedColors = detail::MakeFixedColors();

// The tables as the class holds them: 4 bytes per entry, blue, green, red, 0.
ByteSet ColorTableBytes(std::span<const Rgb> colors);
ByteSet MonoPalette();
ByteSet Vga16Palette();
ByteSet FixedPalette();

}  // namespace pixfarrow
