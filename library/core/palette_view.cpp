#include "library/core/palette_view.h"

namespace pixfarrow {

PaletteView::PaletteView(const ByteSet& pixels, std::int64_t width, std::int64_t height)
    : pixels_(&pixels), width_(width), height_(height), stride_((width + 3) / 4 * 4) {}

std::optional<PaletteView> PaletteView::Of(const ByteSet& pixels, std::int32_t width, std::int32_t height) {
  if (width <= 0 || height <= 0) return std::nullopt;
  const PaletteView view(pixels, width, height);
  if (static_cast<std::uint64_t>(view.stride_) * static_cast<std::uint64_t>(height) > pixels.size()) {
    return std::nullopt;
  }
  return view;
}

}  // namespace pixfarrow
