#pragma once
// BI_RLE8 / BI_RLE4 pixel data, row by row.
#include <cstdint>
#include <span>

#include "common/bmp/bmp_index_rows.h"
#include "common/bmp/bmp_layout.h"

namespace pixfarrow {

// Every row from the bottom up, as indexes. Runs are clipped at the right edge, drawing
// stops at the top row or the end of the data (whichever comes first, with or without an
// end-of-bitmap code), and pixels that the data skips or never reaches are index 0.
void DecodeRleRows(const BmpLayout& layout, std::span<const std::uint8_t> file, const IndexRowFn& row);

}  // namespace pixfarrow
