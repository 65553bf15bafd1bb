#pragma once
// The captures that the image finder's window searches take, made with the bitmap class:
// PrintWindow for the window's own image, the screen DC otherwise, converted to palette
// indexes by the core's rule.
#include <windows.h>

#include "library/core/window_captures.h"

namespace pixfarrow::win {

class GdiWindowCaptures final : public WindowCaptures {
 public:
  std::optional<PaletteImage> WindowClientPixels(WindowId window, std::int32_t x, std::int32_t y, std::int32_t width,
                                                 std::int32_t height) override;
  std::optional<PaletteImage> ScreenPixels(std::int32_t x, std::int32_t y, std::int32_t width,
                                           std::int32_t height) override;
  std::uint32_t WindowClientColour(WindowId window, std::int32_t x, std::int32_t y) override;
  std::uint32_t ScreenColour(std::int32_t x, std::int32_t y) override;
  ClientArea ClientAreaOf(WindowId window) override;
};

// The handle that the library passes as an int32.
HWND WindowOf(WindowId window);

}  // namespace pixfarrow::win
