#include "library/core/color_tables.h"

namespace pixfarrow {

ByteSet ColorTableBytes(std::span<const Rgb> colors) {
  ByteSet out;
  out.reserve(colors.size() * 4);
  for (const Rgb c : colors) {
    out.push_back(static_cast<std::uint8_t>(c));        // blue
    out.push_back(static_cast<std::uint8_t>(c >> 8));   // green
    out.push_back(static_cast<std::uint8_t>(c >> 16));  // red
    out.push_back(0);
  }
  return out;
}

ByteSet MonoPalette() { return ColorTableBytes(kMonoColors); }
ByteSet Vga16Palette() { return ColorTableBytes(kVga16Colors); }
ByteSet FixedPalette() { return ColorTableBytes(kFixedColors); }

}  // namespace pixfarrow
