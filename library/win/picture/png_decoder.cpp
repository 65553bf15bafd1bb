#include "library/win/picture/png_decoder.h"

#include <png.h>

#include <cstring>

namespace pixfarrow::picture {

std::optional<PictureImage> DecodePng(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return std::nullopt;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return std::nullopt;
  if (image.width == 0 || image.height == 0 ||
      static_cast<std::int64_t>(image.width) * image.height > kMaxPicturePixels) {
    png_image_free(&image);
    return std::nullopt;
  }
  image.format = PNG_FORMAT_BGRA;
  PictureImage out{static_cast<int>(image.width), static_cast<int>(image.height), {}};
  out.bgra.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, out.bgra.data(), 0, nullptr)) {
    png_image_free(&image);
    return std::nullopt;
  }
  return out;
}

}  // namespace pixfarrow::picture
