#include "library/core/palette_image.h"

#include <array>
#include <cstring>

#include "common/bmp/bmp_decoder.h"
#include "common/bmp/bmp_index_rows.h"
#include "library/core/dib_layout.h"
#include "library/core/fixed_palette_rows.h"
#include "library/core/nearest_color.h"

namespace pixfarrow {
namespace {

PaletteImage Blank(std::int32_t width, std::int32_t height) {
  PaletteImage image;
  image.width = width;
  image.height = height;
  image.stride = PaletteStride(width);
  image.pixels.assign(static_cast<std::size_t>(image.stride) * height, 0);
  return image;
}

std::uint8_t* RowOf(PaletteImage& image, std::int32_t y) {
  return image.pixels.data() + static_cast<std::size_t>(y) * image.stride;
}

class PaletteSink final : public BmpRowSink {
 public:
  void Begin(std::int32_t width, std::int32_t height) override { image = Blank(width, height); }
  void Row(std::int32_t y, const std::uint32_t* pixels) override {
    MapToFixedPalette(pixels, static_cast<std::size_t>(image.width), RowOf(image, y));
  }
  PaletteImage image;
};

bool IsDirect(const BmpLayout& layout) { return layout.compression == BmpCompression::kRgb && layout.bitCount >= 24; }

// Uncompressed 24- and 32-bit files (every capture) go from file bytes to indexes in one
// pass, which writes every byte, row padding included.
void DecodeDirect(const BmpLayout& layout, std::span<const std::uint8_t> file, std::uint8_t* out) {
  const auto width = static_cast<std::size_t>(layout.width), stride = static_cast<std::size_t>(PaletteStride(layout.width));
  const std::size_t bytesPerPixel = static_cast<std::size_t>(layout.bitCount / 8);
  for (std::int32_t i = 0; i < layout.height; ++i) {
    const std::int32_t y = layout.topDown ? layout.height - 1 - i : i;
    std::uint8_t* row = out + static_cast<std::size_t>(y) * stride;
    MapBgrToFixedPalette(file.data() + layout.pixelOffset + static_cast<std::size_t>(i) * layout.rowBytes, width,
                         bytesPerPixel, row);
    std::memset(row + width, 0, stride - width);
  }
}

// Palette images through their colour table's indexes: one byte a pixel all the way.
PaletteImage DecodeIndexed(const BmpLayout& layout, std::span<const std::uint8_t> file) {
  std::array<std::uint8_t, 256> toFixed;
  for (std::size_t i = 0; i < toFixed.size(); ++i) toFixed[i] = FixedPaletteIndex(layout.palette[i]);
  PaletteImage image = Blank(layout.width, layout.height);
  ReadIndexRows(layout, file, [&](std::int32_t y, std::int32_t count, const std::uint8_t* indexes) {
    std::uint8_t* out = RowOf(image, y);
    for (std::int32_t x = 0; x < image.width; ++x) out[x] = toFixed[indexes[x]];
    for (std::int32_t i = 1; i < count; ++i) std::memcpy(RowOf(image, y + i), out, static_cast<std::size_t>(image.width));
  });
  return image;
}

}  // namespace

std::int32_t PaletteStride(std::int32_t width) { return RowBytes(width * 8); }

PaletteImage DecodePaletteImage(const BmpLayout& layout, std::span<const std::uint8_t> bmpFileBytes) {
  if (layout.bitCount <= 8) return DecodeIndexed(layout, bmpFileBytes);
  if (IsDirect(layout)) {
    PaletteImage image = Blank(layout.width, layout.height);
    DecodeDirect(layout, bmpFileBytes, image.pixels.data());
    return image;
  }
  PaletteSink sink;
  DecodeBmp(bmpFileBytes, sink);
  return std::move(sink.image);
}

void DecodePaletteBytes(const BmpLayout& layout, std::span<const std::uint8_t> bmpFileBytes, ByteSet& pixels) {
  if (!IsDirect(layout)) {
    pixels = DecodePaletteImage(layout, bmpFileBytes).pixels;
    return;
  }
  pixels.resize(static_cast<std::size_t>(PaletteStride(layout.width)) * static_cast<std::size_t>(layout.height));
  DecodeDirect(layout, bmpFileBytes, pixels.data());
}

std::optional<PaletteImage> DecodePaletteImage(std::span<const std::uint8_t> bmpFileBytes) {
  const auto layout = ParseBmpLayout(bmpFileBytes);
  if (!layout) return std::nullopt;
  return DecodePaletteImage(*layout, bmpFileBytes);
}

}  // namespace pixfarrow
