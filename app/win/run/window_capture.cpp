#include "app/win/run/window_capture.h"

#include <optional>
#include <vector>

#include "app/core/run/capture_layout.h"

namespace quorvela::win {

namespace {

int stretchModeForDisplay() {
  DEVMODEW mode{};
  mode.dmSize = sizeof mode;
  if (EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode) && mode.dmBitsPerPel > 16) return HALFTONE;
  return COLORONCOLOR;
}

// On a palette display the read goes through the system palette's first 255 entries.
class ReadPalette {
 public:
  explicit ReadPalette(HDC screen) : screen_(screen) {
    std::vector<std::uint8_t> storage(sizeof(LOGPALETTE) + 255 * sizeof(PALETTEENTRY));
    auto* logical = reinterpret_cast<LOGPALETTE*>(storage.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = 255;
    GetSystemPaletteEntries(screen, 0, 255, logical->palPalEntry);
    palette_.reset(CreatePalette(logical));
    if (!palette_) return;
    previous_ = SelectPalette(screen, palette_.get(), FALSE);
    RealizePalette(screen);
  }
  ~ReadPalette() {
    if (previous_) SelectPalette(screen_, previous_, FALSE);
  }
  ReadPalette(const ReadPalette&) = delete;
  ReadPalette& operator=(const ReadPalette&) = delete;

 private:
  HDC screen_;
  qv::win::DirectGdi::Palette palette_;
  HPALETTE previous_ = nullptr;
};

}  // namespace

ByteBuffer WindowCapturer::capture(std::uint32_t window, ByteBuffer storage) {
  const Source source = sourceFor(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window)));
  if (!source.dc || source.width < 1 || source.height < 1 || !prepare(source.dc, source.width, source.height)) {
    return {};
  }
  {
    // Selected for the copy only: GetDIBits reads a bitmap that no DC holds.
    const qv::win::DirectGdi::Selection selected(memory_.get(), bitmap_.get());
    if (!StretchBlt(memory_.get(), 0, 0, width_, height_, source.dc, 0, 0, width_, height_, SRCCOPY)) {
      windowDc_.reset();  // taken anew next time
      return {};
    }
  }
  return pixelsOf(std::move(storage));
}

HDC WindowCapturer::screenDc() {
  if (!screen_ || !screen_->get()) {
    screen_.reset();
    screen_.emplace(nullptr);
  }
  return screen_->get();
}

WindowCapturer::Source WindowCapturer::sourceFor(HWND window) {
  if (!window) {
    windowDc_.reset();
    return {screenDc(), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  RECT frame{};
  if (!GetWindowRect(window, &frame)) {
    windowDc_.reset();
    return {};
  }
  // The rectangle is read every round (it gives the size); a window that moved or changed
  // size gets a new DC, so the DC never covers less than the rectangle just read.
  if (!windowDc_ || !windowDc_->get() || window != dcWindow_ || !EqualRect(&frame, &dcFrame_)) {
    windowDc_.reset();
    windowDc_.emplace(qv::win::DirectGdi::WindowDc::wholeWindow(window));
    dcWindow_ = window;
    dcFrame_ = frame;
  }
  return {windowDc_->get(), frame.right - frame.left, frame.bottom - frame.top};
}

bool WindowCapturer::prepare(HDC source, int width, int height) {
  const int bitsPerPixel = GetDeviceCaps(source, BITSPIXEL);
  if (memory_ && bitmap_ && width == width_ && height == height_ && bitsPerPixel == bitsPerPixel_) return true;
  // A new size, or a new display mode: everything derived from them anew.
  bitmap_.reset();
  memory_.reset(CreateCompatibleDC(source));
  bitmap_.reset(memory_ ? CreateCompatibleBitmap(source, width, height) : nullptr);
  HDC screen = screenDc();
  if (!bitmap_ || !screen) {
    memory_.reset();
    bitmap_.reset();
    return false;
  }
  SetStretchBltMode(memory_.get(), stretchModeForDisplay());
  paletteDisplay_ = (GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE) != 0;

  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  imageSize_ = 0;
  if (GetDIBits(screen, bitmap_.get(), 0, static_cast<UINT>(height), nullptr, &info, DIB_RGB_COLORS)) {
    imageSize_ = CaptureImageSize(width, height, info.bmiHeader.biSizeImage);
  }
  if (imageSize_ == 0) {
    memory_.reset();
    bitmap_.reset();
    return false;
  }
  query_ = info.bmiHeader;
  width_ = width;
  height_ = height;
  bitsPerPixel_ = bitsPerPixel;
  return true;
}

ByteBuffer WindowCapturer::pixelsOf(ByteBuffer storage) {
  HDC screen = screenDc();
  if (!screen) return {};
  std::optional<ReadPalette> palette;
  if (paletteDisplay_) palette.emplace(screen);

  BITMAPINFO info{};
  info.bmiHeader = query_;
  info.bmiHeader.biSizeImage = imageSize_;
  ByteBuffer bytes = std::move(storage);
  bytes.resize(kCapturePixelOffset + imageSize_);
  if (GetDIBits(screen, bitmap_.get(), 0, static_cast<UINT>(height_), bytes.data() + kCapturePixelOffset, &info,
                DIB_RGB_COLORS) != height_) {
    return {};
  }
  CaptureHeader header;
  header.width = width_;
  header.height = height_;
  header.imageSize = imageSize_;
  header.xPelsPerMeter = query_.biXPelsPerMeter;
  header.yPelsPerMeter = query_.biYPelsPerMeter;
  header.coloursUsed = query_.biClrUsed;
  header.coloursImportant = query_.biClrImportant;
  WriteCaptureHeaders(bytes, header);
  return bytes;
}

ByteBuffer CaptureWindowBmp(std::uint32_t window) {
  WindowCapturer capturer;
  return capturer.capture(window);
}

void CaptureWeChatWindow(RunState& state) { state.screenshot.replace(CaptureWindowBmp(state.windowHandle.load())); }

}  // namespace quorvela::win
