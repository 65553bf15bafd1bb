#pragma once
// The FixedPalette rule of nearest_color.h for every colour, from small tables built once
// per process, when the library loads: the cost of a colour does not depend on which
// colours came before it.
//
// Colour space is cut into 32 x 32 x 32 cells (8 levels per channel, the top one 15).
// The cut points lie on the palette's grid (the cube's levels are 32 apart in red and
// green, 64 in blue), so about 95 % of the cells have one answer; each of the others keeps
// the two to four entries that can be nearest in it, compared exactly.
#include <array>
#include <cstdint>
#include <vector>

#include "library/core/color_tables.h"

namespace pixfarrow {

// Inclusive bounds of each channel, in the byte order of a BGR pixel: blue, green, red.
struct ColourBox {
  std::array<std::uint8_t, 3> low{};
  std::array<std::uint8_t, 3> high{};
  bool Holds(std::uint8_t blue, std::uint8_t green, std::uint8_t red) const {
    return blue >= low[0] && blue <= high[0] && green >= low[1] && green <= high[1] && red >= low[2] &&
           red <= high[2];
  }
};

class FixedPaletteMap {
 public:
  // The one instance, built before first use.
  static const FixedPaletteMap& Get();

  std::uint8_t Index(std::uint32_t blue, std::uint32_t green, std::uint32_t red) const {
    const std::uint16_t cell = cells_[red_[red] | green_[green] | blue_[blue]];
    return cell < 256 ? static_cast<std::uint8_t>(cell) : Refine(cell, blue, green, red);
  }
  std::uint8_t Index(Rgb colour) const { return Index(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

  // Every colour that maps to index lies in this box (an empty box, low above high, for
  // the upper entry of a colour that stands twice, which is never the answer).
  const ColourBox& BoundsOf(std::uint8_t index) const { return bounds_[index]; }

 private:
  class Builder;
  FixedPaletteMap();
  std::uint8_t Refine(std::uint16_t cell, std::uint32_t blue, std::uint32_t green, std::uint32_t red) const;

  // A channel's level (0 to 31), already shifted to its place in the cell number.
  std::array<std::uint16_t, 256> red_{}, green_{}, blue_{};
  // Per cell: the index (below 256), or 256 + the offset in candidates_ of a count
  // followed by that many indexes, in increasing order.
  std::array<std::uint16_t, 32 * 32 * 32> cells_{};
  std::vector<std::uint8_t> candidates_;
  std::array<ColourBox, 256> bounds_{};
};

}  // namespace pixfarrow
