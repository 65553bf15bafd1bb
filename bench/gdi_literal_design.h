#pragma once
// The image search as first designed, for comparison under Wine: each image written to a
// temporary file, loaded by the system (LoadImageA, LR_LOADFROMFILE) into a 32-bit DIB
// section, converted to 8 bits by GDI (BitBlt into a FixedPalette DIB section), its pixel
// bytes copied out, then the plain row-chain search from the first byte.
#include <windows.h>

#include <cstdint>

#include "library/core/byte_set.h"

namespace pixfarrow::bench {

// 1 when small occurs in big, else 0 (also when either cannot be loaded).
std::int32_t LiteralDesignSearch(const ByteSet& big, const ByteSet& small);

// The pixel bytes that GDI gives when it blits the image selected into `source` (width x
// height) into an 8-bit DIB section with FixedPalette: one index per pixel, rows bottom-up,
// padded to 4. Empty on failure.
ByteSet GdiPaletteBytes(HDC source, std::int32_t width, std::int32_t height);

}  // namespace pixfarrow::bench
