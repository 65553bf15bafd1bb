#pragma once
// The colour-matching rule of every conversion into a colour table: the entry at the
// smallest squared RGB distance, (dr^2 + dg^2 + db^2); on a tie the lower index. So an exact
// table colour always maps to its own index, the lower one where a colour stands twice.
#include <cstdint>
#include <span>

#include "library/core/color_tables.h"

namespace pixfarrow {

// Straightforward form of the rule; fine for small tables and as the reference.
std::uint8_t NearestIndex(std::span<const Rgb> table, Rgb color);

// The rule for kFixedColors (fixed_palette_map.h; rows of pixels: fixed_palette_rows.h).
// Thread-safe.
std::uint8_t FixedPaletteIndex(Rgb color);

}  // namespace pixfarrow
