// The capture, pixel-access, clipboard and drawing operations of the bitmap class hold
// their places in the operation order; they are not built yet and report 0.
#include "library/win/bitmap/bitmap_class.h"

namespace pixfarrow::win {

std::int32_t 新位图操作类::LoadFromIcon(HICON, std::int32_t, std::int32_t, std::int32_t) { return 0; }

std::int32_t 新位图操作类::CaptureScreenArea(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
  return 0;
}

std::int32_t 新位图操作类::CaptureWindowClient(HWND, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                          std::int32_t) {
  return 0;
}

std::int32_t 新位图操作类::CaptureFromDC(HDC, const RECT&, std::int32_t) { return 0; }

HGDIOBJ 新位图操作类::AdoptBitmap(HBITMAP, HDC, const ByteSet&) { return nullptr; }

std::int32_t 新位图操作类::LoadFromClipboard(std::int32_t) { return 0; }

std::int32_t 新位图操作类::DrawTo(新位图操作类&, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                             std::int32_t) {
  return 0;
}

COLORREF 新位图操作类::GetPixelColor(std::int32_t, std::int32_t) { return 0; }

std::int32_t 新位图操作类::SetPixelColor(std::int32_t, std::int32_t, COLORREF) { return 0; }

std::int32_t 新位图操作类::CopyToClipboard() { return 0; }

void 新位图操作类::PaintToWindow(HWND) {}

}  // namespace pixfarrow::win
