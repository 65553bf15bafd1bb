#pragma once
// What the window searches of the image finder take from the platform: fresh captures,
// already as palette images, and where a window's client area lies. The Windows layer
// gives them through the bitmap class; tests give scenes of their own.
#include <cstdint>
#include <optional>

#include "library/core/palette_image.h"

namespace pixfarrow {

// A window handle as the library passes it (int32); 0 is no window.
using WindowId = std::int32_t;

inline constexpr std::uint32_t kInvalidColour = 0xFFFFFFFF;

struct ClientArea {
  std::int32_t originX = 0;  // screen position of the client area's top-left corner
  std::int32_t originY = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

class WindowCaptures {
 public:
  virtual ~WindowCaptures() = default;

  // Part of a window's client area from the window's own painting (windows over it do not
  // matter), in client coordinates; a zero width or height reaches to the client edge.
  // Nothing for a minimised or hidden window or a capture that fails.
  virtual std::optional<PaletteImage> WindowClientPixels(WindowId window, std::int32_t x, std::int32_t y,
                                                         std::int32_t width, std::int32_t height) = 0;
  // Part of the screen; a zero width or height reaches to the display's edge.
  virtual std::optional<PaletteImage> ScreenPixels(std::int32_t x, std::int32_t y, std::int32_t width,
                                                   std::int32_t height) = 0;

  // One pixel as a colour 0x00BBGGRR, or kInvalidColour when it cannot be captured.
  virtual std::uint32_t WindowClientColour(WindowId window, std::int32_t x, std::int32_t y) = 0;
  virtual std::uint32_t ScreenColour(std::int32_t x, std::int32_t y) = 0;

  // The client area's screen origin and size; all 0 for a window that is gone.
  virtual ClientArea ClientAreaOf(WindowId window) = 0;
};

}  // namespace pixfarrow
