#pragma once
// Bitmaps to and from BmpFileBytes.
#include <windows.h>

#include "common/bmp_file_bytes.h"

namespace pixfarrow::capture {

// Colour depth of the display (bits per pixel of the screen DC).
int DisplayBitsPerPixel();

// The bitmap as a BMP file at the display's depth, bottom-up; empty for a bitmap without
// width or height, or one GDI cannot read.
qv::BmpFileBytes BitmapFileBytes(HBITMAP bitmap);

// Draws an uncompressed BMP file at (0, 0) of the DC; false (nothing drawn) for bytes that
// are not a whole one.
bool DrawBmpFileBytes(HDC target, const qv::BmpFileBytes& file);

}  // namespace pixfarrow::capture
