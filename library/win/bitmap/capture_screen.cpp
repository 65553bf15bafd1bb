#include "library/win/bitmap/bitmap_class.h"
#include "library/win/frame/declared_call.h"

namespace pixfarrow::win {

std::int32_t 新位图操作类::CaptureScreenArea(std::int32_t x, std::int32_t y, std::int32_t width,
                                         std::int32_t height, std::int32_t depth) {
  Reset();
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  if (!Declared<api::EnumDisplaySettingsA>()(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return 0;
  if (depth == 0) depth = static_cast<std::uint16_t>(mode.dmBitsPerPel);
  // In 64 bits: a caller's x can be anything.
  if (width == 0) width = static_cast<std::int32_t>(std::max<std::int64_t>(0, std::int64_t{mode.dmPelsWidth} - x));
  if (height == 0) height = static_cast<std::int32_t>(std::max<std::int64_t>(0, std::int64_t{mode.dmPelsHeight} - y));
  return BlitIn(screenDC_.get(), x, y, width, height, depth);
}

}  // namespace pixfarrow::win
