#include "app/win/run/window_capture.h"

#include <windows.h>

#include <cstring>
#include <optional>
#include <vector>

#include "app/core/run/capture_layout.h"
#include "app/win/framework/gdi_scopes.h"

namespace quorvela::win {

namespace {

struct Source {
  ObtainedDc dc;
  int width;
  int height;
};

std::optional<Source> sourceOf(HWND window) {
  if (!window) {
    return Source{ObtainedDc::OfClientArea(nullptr), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  RECT frame{};
  if (!GetWindowRect(window, &frame)) return std::nullopt;
  return Source{ObtainedDc::OfWholeWindow(window), frame.right - frame.left, frame.bottom - frame.top};
}

int stretchModeForDisplay() {
  DEVMODEW mode{};
  mode.dmSize = sizeof mode;
  if (EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode) && mode.dmBitsPerPel > 16) return HALFTONE;
  return COLORONCOLOR;
}

// The source copied 1:1 into a bitmap compatible with it; the source DC is given back.
UniqueBitmap copyOf(Source source) {
  if (!source.dc.get() || source.width < 1 || source.height < 1) return {};
  UniqueCreatedDc memory(CreateCompatibleDC(source.dc.get()));
  UniqueBitmap bitmap(CreateCompatibleBitmap(source.dc.get(), source.width, source.height));
  if (!memory || !bitmap) return {};
  {
    const ScopedSelection selected(memory.get(), bitmap.get());
    SetStretchBltMode(memory.get(), stretchModeForDisplay());
    if (!StretchBlt(memory.get(), 0, 0, source.width, source.height, source.dc.get(), 0, 0, source.width,
                    source.height, SRCCOPY)) {
      return {};
    }
  }
  return bitmap;
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

ByteBuffer bmpBytesOf(HBITMAP bitmap) {
  BITMAP described{};
  if (!GetObjectW(bitmap, sizeof described, &described)) return {};
  const ObtainedDc screen = ObtainedDc::OfClientArea(nullptr);
  if (!screen.get()) return {};
  const ReadPalette palette(screen.get());

  BITMAPINFO info{};
  BITMAPINFOHEADER& head = info.bmiHeader;
  head.biSize = sizeof head;
  head.biWidth = described.bmWidth;
  head.biHeight = described.bmHeight;
  head.biPlanes = 1;
  head.biBitCount = 24;
  head.biCompression = BI_RGB;
  if (!GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(described.bmHeight), nullptr, &info, DIB_RGB_COLORS)) {
    return {};
  }
  CaptureHeader header;
  header.width = described.bmWidth;
  header.height = described.bmHeight;
  header.imageSize = CaptureImageSize(described.bmWidth, described.bmHeight, head.biSizeImage);
  if (header.imageSize == 0) return {};
  ByteBuffer bytes = NewCaptureBuffer(header);
  head.biSizeImage = header.imageSize;
  if (GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(described.bmHeight), bytes.data() + kCapturePixelOffset,
                &info, DIB_RGB_COLORS) != described.bmHeight) {
    return {};
  }
  header.xPelsPerMeter = head.biXPelsPerMeter;
  header.yPelsPerMeter = head.biYPelsPerMeter;
  header.coloursUsed = head.biClrUsed;
  header.coloursImportant = head.biClrImportant;
  WriteCaptureHeaders(bytes, header);
  return bytes;
}

}  // namespace

ByteBuffer CaptureWindowBmp(std::uint32_t window) {
  std::optional<Source> source = sourceOf(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window)));
  if (!source) return {};
  const UniqueBitmap bitmap = copyOf(std::move(*source));
  if (!bitmap) return {};
  return bmpBytesOf(bitmap.get());
}

}  // namespace quorvela::win
