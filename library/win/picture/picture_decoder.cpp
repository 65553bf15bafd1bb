#include "library/win/picture/picture_decoder.h"

#include "library/win/picture/jpeg_decoder.h"
#include "library/win/picture/png_decoder.h"

namespace pixfarrow::picture {

std::optional<Animation> DecodePicture(std::span<const std::uint8_t> bytes) {
  if (auto gif = DecodeGif(bytes)) return gif;
  auto still = DecodePng(bytes);
  if (!still) still = DecodeJpeg(bytes);
  if (!still) return std::nullopt;
  Animation one;
  one.width = still->width;
  one.height = still->height;
  one.frames.push_back({std::move(*still), 0});
  return one;
}

}  // namespace pixfarrow::picture
