#include "bench/capture_steps.h"

namespace pixfarrow::bench {

bool TimedCaptureSteps(HWND window, StepSamples& samples, std::vector<std::uint8_t>& pixels) {
  Stopwatch watch;
  RECT frame{};
  const BOOL framed = GetWindowRect(window, &frame);
  samples.add("GetWindowRect", watch.lap());
  HDC source = GetWindowDC(window);
  samples.add("GetWindowDC", watch.lap());
  DEVMODEW mode{};
  mode.dmSize = sizeof mode;
  const int stretchMode =
      EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode) && mode.dmBitsPerPel > 16 ? HALFTONE : COLORONCOLOR;
  samples.add("EnumDisplaySettingsW", watch.lap());
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  if (!framed || !source || width < 1 || height < 1) {
    if (source) ReleaseDC(window, source);
    return false;
  }
  HDC memory = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  samples.add("CreateCompatibleDC/Bitmap", watch.lap());
  SetStretchBltMode(memory, stretchMode);
  StretchBlt(memory, 0, 0, width, height, source, 0, 0, width, height, SRCCOPY);
  samples.add("StretchBlt", watch.lap());
  ReleaseDC(window, source);
  SelectObject(memory, previous);
  samples.add("ReleaseDC", watch.lap());
  HDC screen = GetDC(nullptr);
  samples.add("GetDC(0)", watch.lap());
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), nullptr, &info, DIB_RGB_COLORS);
  pixels.resize(static_cast<std::size_t>((width * 3 + 3) & ~3) * static_cast<std::size_t>(height));
  const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
  samples.add("GetDIBits", watch.lap());
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  DeleteDC(memory);
  samples.add("ReleaseDC(0), DeleteObject, DeleteDC", watch.lap());
  return rows == height;
}

}  // namespace pixfarrow::bench
