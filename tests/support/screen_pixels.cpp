#include "tests/support/screen_pixels.h"

#include <cstdint>

namespace qv::test {

std::vector<COLORREF> ScreenPixels(const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  std::vector<COLORREF> colours;
  if (width <= 0 || height <= 0) return colours;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (memory && bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY)) {
      GdiFlush();
      const auto* bgrx = static_cast<const std::uint32_t*>(bits);
      colours.reserve(static_cast<std::size_t>(width) * height);
      for (int i = 0; i < width * height; ++i)
        colours.push_back(RGB((bgrx[i] >> 16) & 0xFF, (bgrx[i] >> 8) & 0xFF, bgrx[i] & 0xFF));
    }
    SelectObject(memory, old);
  }
  if (bitmap) DeleteObject(bitmap);
  if (memory) DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return colours;
}

bool ScreenShows(const RECT& area, const std::function<COLORREF(int x, int y)>& expected) {
  const std::vector<COLORREF> colours = ScreenPixels(area);
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (colours.size() != static_cast<std::size_t>(width) * height || colours.empty()) return false;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (colours[static_cast<std::size_t>(y) * width + x] != expected(x, y)) return false;
  return true;
}

RECT ClientAreaOnScreen(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return client;
}

}  // namespace qv::test
