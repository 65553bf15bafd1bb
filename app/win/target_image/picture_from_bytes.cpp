#include "app/win/target_image/picture_from_bytes.h"

#include "app/core/target_image/plain_bmp.h"
#include "app/win/framework/picture.h"

namespace quorvela::win {

bool SetPictureFromBytes(PicturePanel& panel, std::span<const std::uint8_t> bytes) {
  if (LooksLikeBmp(bytes)) {
    const auto plain = RewriteAsPlainBmp(bytes);
    panel.setPicture(plain ? std::span<const std::uint8_t>(*plain) : std::span<const std::uint8_t>());
  } else {
    panel.setPicture(bytes);
  }
  return panel.hasPicture();
}

bool SetPictureFromResource(PicturePanel& panel, int resourceId) {
  return SetPictureFromBytes(panel, resourceBytes(resourceId));
}

}  // namespace quorvela::win
