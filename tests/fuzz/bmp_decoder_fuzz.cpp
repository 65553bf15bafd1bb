// The BMP decoder on arbitrary bytes: never a read outside the input, and the finder's
// straight decode to palette indexes agrees with load and ConvertDepth(8).
#include <cstdint>
#include <cstdlib>

#include "library/core/bitmap_image.h"
#include "library/core/palette_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const pixfarrow::ByteSet file(data, data + size);
  pixfarrow::BitmapImage image;
  const bool loaded = image.载入位图(file) == 1;
  const auto palette = pixfarrow::DecodePaletteImage(file);
  if (palette.has_value() != loaded) std::abort();
  if (loaded) {
    if (image.ConvertDepth(8) != 1 || image.PixelBytes() != palette->pixels) std::abort();
  }
  pixfarrow::BitmapImage narrow;
  if (narrow.LoadFromBmpBytes(file) == 1 && narrow.PixelBytes().size() != static_cast<std::size_t>(narrow.PixelBytesSize())) {
    std::abort();
  }
  return 0;
}
