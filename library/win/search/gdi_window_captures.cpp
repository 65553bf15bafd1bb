#include "library/win/search/gdi_window_captures.h"

#include <cstdint>

#include "library/win/bitmap/bitmap_class.h"
#include "library/win/frame/declared_call.h"

namespace pixfarrow::win {
namespace {

std::optional<PaletteImage> PaletteOf(新位图操作类& bitmap) {
  PaletteImage image;
  image.pixels = bitmap.PixelBytes();
  image.width = bitmap.Width();
  image.height = bitmap.Height();
  image.stride = bitmap.DibRowBytes();
  if (image.pixels.empty() || image.width <= 0 || image.height <= 0) return std::nullopt;
  return image;
}

}  // namespace

HWND WindowOf(WindowId window) {
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(static_cast<std::uint32_t>(window)));
}

std::optional<PaletteImage> GdiWindowCaptures::WindowClientPixels(WindowId window, std::int32_t x, std::int32_t y,
                                                                  std::int32_t width, std::int32_t height) {
  新位图操作类 bitmap;
  if (bitmap.CaptureWindowClient(WindowOf(window), x, y, width, height, 8) != 1) return std::nullopt;
  return PaletteOf(bitmap);
}

std::optional<PaletteImage> GdiWindowCaptures::ScreenPixels(std::int32_t x, std::int32_t y, std::int32_t width,
                                                            std::int32_t height) {
  新位图操作类 bitmap;
  if (bitmap.CaptureScreenArea(x, y, width, height, 8) != 1) return std::nullopt;
  return PaletteOf(bitmap);
}

std::uint32_t GdiWindowCaptures::WindowClientColour(WindowId window, std::int32_t x, std::int32_t y) {
  新位图操作类 bitmap;
  bitmap.CaptureWindowClient(WindowOf(window), x, y, 1, 1, 24);
  return bitmap.GetPixelColor(0, 0);
}

std::uint32_t GdiWindowCaptures::ScreenColour(std::int32_t x, std::int32_t y) {
  新位图操作类 bitmap;
  bitmap.CaptureScreenArea(x, y, 1, 1, 24);
  return bitmap.GetPixelColor(0, 0);
}

ClientArea GdiWindowCaptures::ClientAreaOf(WindowId window) {
  const HWND handle = WindowOf(window);
  RECT client{};
  POINT origin{0, 0};
  if (!Declared<api::GetClientRect>()(handle, &client) || !Declared<api::ClientToScreen>()(handle, &origin)) return {};
  return {origin.x, origin.y, client.right, client.bottom};
}

}  // namespace pixfarrow::win
