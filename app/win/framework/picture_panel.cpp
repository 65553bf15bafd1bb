#include "app/win/framework/picture_panel.h"

#include "app/win/framework/window_procedure.h"
#include "common/win/direct_gdi.h"

namespace quorvela::win {

void PicturePanel::setPicture(std::span<const std::uint8_t> imageFile) {
  picture_ = decodePicture(imageFile);
  if (HWND window = windowOf(*this)) InvalidateRect(window, nullptr, TRUE);
}

bool PicturePanel::onMessage(WindowMessage& message) {
  if (message.id != WM_PAINT) return Panel::onMessage(message);
  HWND window = windowOf(*this);
  const qv::win::PaintDc paint(window);
  if (!picture_) return true;
  RECT client{};
  GetClientRect(window, &client);
  for (const DesignRect& place : placePicture(static_cast<int>(pictureMode), pictureWidth(*picture_),
                                              pictureHeight(*picture_), client.right, client.bottom)) {
    drawPicture(paint.get(), *picture_, {place.left, place.top, place.left + place.width, place.top + place.height});
  }
  return true;
}

}  // namespace quorvela::win
