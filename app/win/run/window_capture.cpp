#include "app/win/run/window_capture.h"

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
    if (!(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE)) return;
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
  UniquePalette palette_;
  HPALETTE previous_ = nullptr;
};

}  // namespace

bool WindowCapturer::prepare(HDC source, int width, int height) {
  const int bitsPerPixel = GetDeviceCaps(source, BITSPIXEL);
  if (memory_ && bitmap_ && width == width_ && height == height_ && bitsPerPixel == bitsPerPixel_) return true;
  bitmap_.reset();
  memory_.reset(CreateCompatibleDC(source));
  bitmap_.reset(CreateCompatibleBitmap(source, width, height));
  if (!memory_ || !bitmap_) {
    memory_.reset();
    bitmap_.reset();
    return false;
  }
  width_ = width;
  height_ = height;
  bitsPerPixel_ = bitsPerPixel;
  return true;
}

ByteBuffer WindowCapturer::capture(std::uint32_t window, ByteBuffer storage) {
  if (!copyIn(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window)))) return {};
  return pixelsOf(std::move(storage));
}

bool WindowCapturer::copyIn(HWND window) {
  if (!window) {
    const WindowDc screen(nullptr);
    return copyFrom(screen.get(), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  }
  RECT frame{};
  if (!GetWindowRect(window, &frame)) return false;
  const WindowDc whole(window, WindowDc::kWholeWindow);
  return copyFrom(whole.get(), frame.right - frame.left, frame.bottom - frame.top);
}

bool WindowCapturer::copyFrom(HDC source, int width, int height) {
  if (!source || width < 1 || height < 1 || !prepare(source, width, height)) return false;
  // Selected for the copy only: GetDIBits reads a bitmap that no DC holds.
  const ScopedSelect selected(memory_.get(), bitmap_.get());
  SetStretchBltMode(memory_.get(), stretchModeForDisplay());
  return StretchBlt(memory_.get(), 0, 0, width, height, source, 0, 0, width, height, SRCCOPY) != FALSE;
}

ByteBuffer WindowCapturer::pixelsOf(ByteBuffer storage) const {
  const WindowDc screen(nullptr);
  if (!screen.get()) return {};
  const ReadPalette palette(screen.get());

  BITMAPINFO info{};
  BITMAPINFOHEADER& head = info.bmiHeader;
  head.biSize = sizeof head;
  head.biWidth = width_;
  head.biHeight = height_;
  head.biPlanes = 1;
  head.biBitCount = 24;
  head.biCompression = BI_RGB;
  if (!GetDIBits(screen.get(), bitmap_.get(), 0, static_cast<UINT>(height_), nullptr, &info, DIB_RGB_COLORS)) return {};
  CaptureHeader header;
  header.width = width_;
  header.height = height_;
  header.imageSize = CaptureImageSize(width_, height_, head.biSizeImage);
  if (header.imageSize == 0) return {};
  head.biSizeImage = header.imageSize;
  ByteBuffer bytes = std::move(storage);
  bytes.resize(kCapturePixelOffset + header.imageSize);
  if (GetDIBits(screen.get(), bitmap_.get(), 0, static_cast<UINT>(height_), bytes.data() + kCapturePixelOffset, &info,
                DIB_RGB_COLORS) != height_) {
    return {};
  }
  header.xPelsPerMeter = head.biXPelsPerMeter;
  header.yPelsPerMeter = head.biYPelsPerMeter;
  header.coloursUsed = head.biClrUsed;
  header.coloursImportant = head.biClrImportant;
  WriteCaptureHeaders(bytes, header);
  return bytes;
}

ByteBuffer CaptureWindowBmp(std::uint32_t window) {
  WindowCapturer capturer;
  return capturer.capture(window);
}

}  // namespace quorvela::win
