#include "library/win/bitmap/bitmap_class.h"
#include "library/win/frame/declared_call.h"

namespace pixfarrow::win {

std::int32_t 新位图操作类::CaptureWindowClient(HWND window, std::int32_t x, std::int32_t y, std::int32_t width,
                                           std::int32_t height, std::int32_t depth) {
  Reset();
  if (Declared<api::IsIconic>()(window) || !Declared<api::IsWindowVisible>()(window)) return 0;
  if (depth == 0) depth = 24;
  RECT client{};
  if (!Declared<api::GetClientRect>()(window, &client) || client.right <= 0 || client.bottom <= 0) return 0;
  if (width == 0) width = static_cast<std::int32_t>(std::int64_t{client.right} - x);
  if (height == 0) height = static_cast<std::int32_t>(std::int64_t{client.bottom} - y);

  // The client area alone, as the window paints it, with its top-left at (0, 0). The whole
  // window's image would put the client area at its offset in the frame on Windows but at
  // (0, 0) under Wine; asking for the client area gives the same pixels on both.
  const DeclaredGdi::MemoryDc printed = DeclaredGdi::memoryDcFor(screenDC_.get());
  const DeclaredGdi::Bitmap canvas(
      Declared<api::CreateCompatibleBitmap>()(screenDC_.get(), client.right, client.bottom));
  const DeclaredGdi::Selection chosen(printed.get(), canvas.get());
  if (!chosen) return 0;
  if ((Declared<api::PrintWindow>()(window, printed.get(), PW_CLIENTONLY) & 1) == 0) return 0;
  return BlitIn(printed.get(), x, y, width, height, depth);
}

}  // namespace pixfarrow::win
