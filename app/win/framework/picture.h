#pragma once
// Pictures decoded by GDI+ from image file bytes (PNG, JPEG, BMP), shared by the copies of
// the controls that show them.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace Gdiplus {
class Bitmap;
}

namespace quorvela::win {

using SharedPicture = std::shared_ptr<Gdiplus::Bitmap>;

// A 32-bit ARGB copy of the picture; null when the bytes are no picture.
SharedPicture decodePicture(std::span<const std::uint8_t> bytes);
// Pixels of the top-left pixel's colour become transparent.
SharedPicture withTopLeftTransparent(const SharedPicture& picture);

// The bytes of an RCDATA resource of the program; empty when it is missing.
std::vector<std::uint8_t> resourceBytes(int id);

// Draws the picture into dc, scaled to the rectangle, alpha-blended.
void drawPicture(HDC dc, Gdiplus::Bitmap& picture, const RECT& target);
int pictureWidth(Gdiplus::Bitmap& picture);
int pictureHeight(Gdiplus::Bitmap& picture);

}  // namespace quorvela::win
