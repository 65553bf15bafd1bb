#include "app/win/framework/super_button.h"

#include <windowsx.h>

#include <algorithm>

#include "app/core/framework/ui_scale.h"
#include "app/win/framework/background.h"
#include "app/win/framework/control_window.h"
#include "app/win/framework/tool_tip.h"
#include "app/win/framework/window_procedure.h"
#include "app/win/platform/wide_text.h"
#include "common/win/direct_gdi.h"

namespace quorvela::win {

namespace {

constexpr int kPressedOffset = 2;
constexpr int kMargin = 3;

SharedPicture loadButtonImage(int resourceId) {
  if (resourceId == 0) return nullptr;
  const auto bytes = resourceBytes(resourceId);
  return withTopLeftTransparent(decodePicture(bytes));
}

// The image at its design size, shrunk to fit the space it may take.
SIZE imageSize(Gdiplus::Bitmap* image, int maxWidth, int maxHeight) {
  if (!image) return {0, 0};
  double width = UiScale::px(pictureWidth(*image));
  double height = UiScale::px(pictureHeight(*image));
  const double fit = std::min({1.0, maxWidth / width, maxHeight / height});
  if (fit <= 0) return {0, 0};
  return {static_cast<LONG>(width * fit), static_cast<LONG>(height * fit)};
}

// Height of the text wrapped at words in the given width.
int wrappedHeight(HDC dc, const std::wstring& text, int width) {
  RECT measure{0, 0, width, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measure, DT_CENTER | DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX);
  return measure.bottom;
}

}  // namespace

bool SuperButton::create(const ControlPlacement& placement) {
  HWND window = createControlWindow(*this, L"QuorvelaSuperButton", WS_VISIBLE | WS_CLIPSIBLINGS, 0, placement);
  if (!window) return false;
  if (!tipText.empty()) setWindowTip(window, widen(tipText));
  return true;
}

void SuperButton::setImage(int resourceId) {
  image_ = loadButtonImage(resourceId);
  if (hasWindow()) InvalidateRect(windowOf(*this), nullptr, TRUE);
}

void SuperButton::setAltImage(int resourceId) {
  altImage_ = loadButtonImage(resourceId);
  if (hasWindow()) InvalidateRect(windowOf(*this), nullptr, TRUE);
}

void SuperButton::setTipText(const std::string& utf8) {
  tipText = utf8;
  if (hasWindow()) setWindowTip(windowOf(*this), widen(utf8));
}

void SuperButton::setPressed(bool pressed) {
  if (pressed_ == pressed) return;
  pressed_ = pressed;
  InvalidateRect(windowOf(*this), nullptr, TRUE);
}

void SuperButton::paint() {
  HWND window = windowOf(*this);
  const qv::win::PaintDc paint(window);
  HDC dc = paint.get();
  RECT client{};
  GetClientRect(window, &client);
  const int width = client.right;
  const int height = client.bottom;
  const int dy = pressed_ ? kPressedOffset : 0;

  // The second image while the pointer is over the button or it is pressed; whichever
  // exists when the one for the state is missing.
  Gdiplus::Bitmap* image = (hot_ || pressed_) ? (altImage_ ? altImage_.get() : image_.get())
                                              : (image_ ? image_.get() : altImage_.get());

  const qv::win::DirectGdi::Selection selectFont(dc,
                                                 fontOr(font, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colourOr(textColour, COLOR_BTNTEXT));
  const std::wstring caption = windowTextOf(window);
  const UINT textFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;

  if (imagePlace == ImagePlace::kLeftOfText) {
    const SIZE size = imageSize(image, width / 2, height - 2 * kMargin);
    const int imageLeft = caption.empty() ? (width - size.cx) / 2 : kMargin;
    if (image) drawPicture(dc, *image, {imageLeft, (height - size.cy) / 2 + dy, imageLeft + size.cx, (height + size.cy) / 2 + dy});
    if (!caption.empty()) {
      const int textLeft = size.cx ? imageLeft + size.cx + kMargin : kMargin;
      const int textHeight = wrappedHeight(dc, caption, width - kMargin - textLeft);
      RECT textRect{textLeft, (height - textHeight) / 2 + dy, width - kMargin, (height + textHeight) / 2 + dy};
      DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textRect, textFormat);
    }
    return;
  }
  const int textHeight = caption.empty() ? 0 : wrappedHeight(dc, caption, width - 2 * kMargin);
  const SIZE size = imageSize(image, width - 2 * kMargin, height - textHeight - kMargin);
  const int top = (height - size.cy - textHeight) / 2 + dy;
  if (image) drawPicture(dc, *image, {(width - size.cx) / 2, top, (width + size.cx) / 2, top + size.cy});
  if (!caption.empty()) {
    RECT textRect{kMargin, top + size.cy, width - kMargin, top + size.cy + textHeight};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textRect, textFormat);
  }
}

bool SuperButton::onMessage(WindowMessage& message) {
  HWND window = windowOf(*this);
  switch (message.id) {
    case WM_ERASEBKGND:
      return answerErase(window, message, background);
    case WM_PAINT:
      paint();
      return true;
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, IDC_HAND));  // a shared system cursor
      message.result = TRUE;
      return true;
    case WM_MOUSEMOVE: {
      if (!hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        InvalidateRect(window, nullptr, TRUE);
      }
      if (GetCapture() == window) {
        RECT client{};
        GetClientRect(window, &client);
        const POINT point{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
        setPressed(PtInRect(&client, point) != FALSE);
      }
      return true;
    }
    case WM_MOUSELEAVE:
      hot_ = false;
      InvalidateRect(window, nullptr, TRUE);
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetCapture(window);
      setPressed(true);
      return true;
    case WM_LBUTTONUP: {
      const bool wasPressed = pressed_ && GetCapture() == window;
      if (GetCapture() == window) ReleaseCapture();
      setPressed(false);
      if (wasPressed) clickEvent.fire(this);
      return true;
    }
    case WM_CAPTURECHANGED:
      setPressed(false);
      return false;
    case WM_SETTEXT:
      InvalidateRect(window, nullptr, TRUE);
      return false;
    case WM_DESTROY:
      dropWindowTip(window);
      return false;
    default:
      return false;
  }
}

}  // namespace quorvela::win
