#pragma once
// The framework's image button: flat and square, white, two images (normal; pointer over
// or pressed), text centred and wrapped beside or below the image, hand cursor, tool tip.
// While pressed, image and text move 2 pixels down.
#include <cstdint>
#include <string>

#include "app/win/framework/panel.h"
#include "app/win/framework/picture.h"
#include "app/win/framework/text_control.h"

namespace quorvela::win {

enum class ImagePlace { kLeftOfText, kAboveText };

class SuperButton : public VolClass<SuperButton, TextControl> {
 public:
  static constexpr const char* kClassName = "quorvela::win::SuperButton";

  bool create(const ControlPlacement& placement);
  bool onMessage(WindowMessage& message) override;

  // Image resources (0: none); the top-left pixel's colour of each is transparent.
  void setImage(int resourceId);
  void setAltImage(int resourceId);
  void setTipText(const std::string& utf8);

  ImagePlace imagePlace = ImagePlace::kLeftOfText;
  std::uint32_t background = 0xFFFFFF;
  std::uint32_t textColour = 0x000000;
  std::string tipText;

  // Raised on a click released over the button.
  EventSlot<> clickEvent;

 private:
  void paint();
  void setPressed(bool pressed);

  SharedPicture image_;
  SharedPicture altImage_;
  bool hot_ = false;
  bool pressed_ = false;
};

}  // namespace quorvela::win
