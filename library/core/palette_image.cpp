#include "library/core/palette_image.h"

#include "library/core/bmp_decoder.h"
#include "library/core/bmp_layout.h"
#include "library/core/dib_layout.h"
#include "library/core/nearest_color.h"

namespace pixfarrow {
namespace {

class PaletteSink final : public BmpRowSink {
 public:
  void Begin(std::int32_t width, std::int32_t height) override {
    image.width = width;
    image.height = height;
    image.stride = RowBytes(width * 8);
    image.pixels.assign(static_cast<std::size_t>(image.stride) * height, 0);
  }
  void Row(std::int32_t y, const std::uint32_t* pixels) override {
    MapToFixedPalette(pixels, static_cast<std::size_t>(image.width),
                      image.pixels.data() + static_cast<std::size_t>(y) * image.stride);
  }
  PaletteImage image;
};

// Uncompressed 24- and 32-bit files (every capture) go from file bytes to indexes in one pass.
std::optional<PaletteImage> DecodeDirect(const BmpLayout& layout, std::span<const std::uint8_t> file) {
  PaletteSink sink;
  sink.Begin(layout.width, layout.height);
  PaletteImage& image = sink.image;
  const std::size_t bytesPerPixel = static_cast<std::size_t>(layout.bitCount / 8);
  for (std::int32_t i = 0; i < layout.height; ++i) {
    const std::int32_t y = layout.topDown ? layout.height - 1 - i : i;
    MapBgrToFixedPalette(file.data() + layout.pixelOffset + static_cast<std::size_t>(i) * layout.rowBytes,
                         static_cast<std::size_t>(layout.width), bytesPerPixel,
                         image.pixels.data() + static_cast<std::size_t>(y) * image.stride);
  }
  return std::move(image);
}

}  // namespace

std::optional<PaletteImage> DecodePaletteImage(std::span<const std::uint8_t> bmpFileBytes) {
  const auto layout = ParseBmpLayout(bmpFileBytes);
  if (!layout) return std::nullopt;
  if (layout->compression == BmpCompression::kRgb && (layout->bitCount == 24 || layout->bitCount == 32)) {
    return DecodeDirect(*layout, bmpFileBytes);
  }
  PaletteSink sink;
  if (!DecodeBmp(bmpFileBytes, sink)) return std::nullopt;
  return std::move(sink.image);
}

}  // namespace pixfarrow
