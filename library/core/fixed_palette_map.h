#pragma once
// The FixedPalette rule of nearest_color.h for every colour, from small tables built once
// per process, when the library loads: the cost of a colour does not depend on which
// colours came before it.
//
// Colour space is cut into 32 x 32 x 32 cells of at most 9 values per channel. The cuts
// include the boundaries of the palette's grid (its cube's levels are 32 apart in red and
// green, 64 in blue), so the cells that hold 95 % of the colours have one answer; each of
// the others keeps the two to four entries that can be nearest in it, compared exactly.
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
    const std::uint16_t key = red_[red] | green_[green] | blue_[blue];
    const std::uint8_t index = answers_[key];
    return index != kSeveral ? index : Refine(cells_[key], blue, green, red);
  }
  std::uint8_t Index(Rgb colour) const { return Index(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

  // Every colour that maps to index lies in this box (an empty box, low above high, for
  // the upper entry of a colour that stands twice, which is never the answer).
  const ColourBox& BoundsOf(std::uint8_t index) const { return bounds_[index]; }

  // Reads the tables once in order, so that the lookups of a search that follows find them
  // in the cache: in order they come at the memory's full speed, while the scattered reads
  // of the lookups would each wait for memory.
  void Warm() const;

 private:
  class Builder;
  FixedPaletteMap();
  std::uint8_t Refine(std::uint16_t cell, std::uint32_t blue, std::uint32_t green, std::uint32_t red) const;

  // Marks a cell with several candidates in answers_: 32 is never an answer (it stands for
  // the same colour as 2).
  static constexpr std::uint8_t kSeveral = 32;

  // A channel's level (0 to 31), already shifted to its place in the cell number.
  std::array<std::uint16_t, 256> red_{}, green_{}, blue_{};
  // Per cell its one answer, or kSeveral: a table small enough to stay in the cache.
  std::array<std::uint8_t, 32 * 32 * 32> answers_{};
  // Per cell: the index (below 256), or 256 + the offset in candidates_ of a count
  // followed by that many entries (index, blue, green, red), in increasing index order.
  std::array<std::uint16_t, 32 * 32 * 32> cells_{};
  std::vector<std::uint8_t> candidates_;
  std::array<ColourBox, 256> bounds_{};
};

}  // namespace pixfarrow
