#include "png_reference.h"

#include <png.h>

#include <cstring>

namespace pixfarrow::test {

std::optional<RgbPicture> ReadPng(const std::string& path) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return std::nullopt;
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
    png_image_free(&image);
    return std::nullopt;
  }
  RgbPicture picture;
  picture.width = static_cast<int>(image.width);
  picture.height = static_cast<int>(image.height);
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
    picture.pixels.push_back((std::uint32_t{rgb[i]} << 16) | (std::uint32_t{rgb[i + 1]} << 8) | rgb[i + 2]);
  }
  return picture;
}

}  // namespace pixfarrow::test
