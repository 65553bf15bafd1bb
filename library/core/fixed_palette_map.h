#pragma once
// The FixedPalette rule of nearest_color.h for every colour, from tables built once per
// process, when the library loads: the cost of a colour does not depend on which colours
// came before it.
//
// Colour space is cut into 32 x 32 x 32 cells of at most 9 values per channel. The cuts
// include the boundaries of the palette's grid (its cube's levels are 32 apart in red and
// green, 64 in blue), so the cells that hold 95 % of the colours have one answer. Each of
// the others has a table of its own with the answer of every colour in it; where its first
// level, 0 to 8, puts the values 0 and 1 in one entry and they differ, the two to four
// entries that can be nearest in the cell are compared exactly.
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
    const std::uint32_t code = red_[red] | green_[green] | blue_[blue];
    const std::uint8_t index = answers_[code & 0xFFFF];
    return index != kSeveral ? index : InSeveral(code, blue, green, red);
  }
  std::uint8_t Index(Rgb colour) const { return Index(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

  // A colour's cell is its key: the level of each channel, 5 bits each, red highest; a
  // channel's level is (v - 1) / 8, and 0 for v = 0. CellAnswers()[key] is the index of
  // every colour of the cell, or kSeveral where Index has to look further.
  static constexpr std::uint8_t kSeveral = 32;  // never an answer: it stands for the same colour as 2
  const std::uint8_t* CellAnswers() const { return answers_.data(); }

  // Every colour that maps to index lies in this box (an empty box, low above high, for
  // the upper entry of a colour that stands twice, which is never the answer).
  const ColourBox& BoundsOf(std::uint8_t index) const { return bounds_[index]; }

  // Reads the cell tables once in order, so that the lookups of a search that follows find
  // them in the cache: in order they come at the memory's full speed, while the scattered
  // reads of the lookups would each wait for memory. (The cells' own tables are too large
  // to be read each time, and few colours need them.)
  void Warm() const;

 private:
  class Builder;
  FixedPaletteMap();
  std::uint8_t InSeveral(std::uint32_t code, std::uint32_t blue, std::uint32_t green, std::uint32_t red) const {
    const std::size_t cell = cells_[code & 0xFFFF];
    const std::uint8_t index = finer_[cell * 512 + (code >> 16)];
    return index != kSeveral ? index : Refine(candidatesAt_[cell], blue, green, red);
  }
  std::uint8_t Refine(std::uint32_t offset, std::uint32_t blue, std::uint32_t green, std::uint32_t red) const;

  // Per channel value: in the low 16 bits its level at its place in the key, above them
  // its place in the level (0 to 7) at its place in a cell's own table.
  std::array<std::uint32_t, 256> red_{}, green_{}, blue_{};
  // Per cell its one answer, or kSeveral: a table small enough to stay in the cache.
  std::array<std::uint8_t, 32 * 32 * 32> answers_{};
  // Per cell of several answers: its number among them.
  std::array<std::uint16_t, 32 * 32 * 32> cells_{};
  // Per cell of several answers, 512 bytes: the answer of each colour, red's place highest,
  // or kSeveral for the entries of the first level's 0 and 1 that differ.
  std::vector<std::uint8_t> finer_;
  // Per cell of several answers, the offset in candidates_ of a count followed by that many
  // entries (index, blue, green, red), in increasing index order.
  std::vector<std::uint32_t> candidatesAt_;
  std::vector<std::uint8_t> candidates_;
  std::array<ColourBox, 256> bounds_{};
};

}  // namespace pixfarrow
