#pragma once
// A panel that paints a picture over its background in one of four picture modes.
#include <cstdint>
#include <span>

#include "app/core/framework/picture_placement.h"
#include "app/win/framework/panel.h"
#include "app/win/framework/picture.h"

namespace quorvela::win {

class PicturePanel : public VolClass<PicturePanel, Panel> {
 public:
  static constexpr const char* kClassName = "quorvela::win::PicturePanel";

  // The bytes of an image file (PNG, JPEG, BMP); bytes that are no picture show none.
  void setPicture(std::span<const std::uint8_t> imageFile);
  bool hasPicture() const { return static_cast<bool>(picture_); }

  bool onMessage(WindowMessage& message) override;

  PictureMode pictureMode = PictureMode::kTopLeft;

 private:
  SharedPicture picture_;
};

}  // namespace quorvela::win
