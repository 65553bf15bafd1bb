#include "library/win/text/gdi_text_renderer.h"

#include <windows.h>

#include <string>

#include "library/win/bitmap/gdi_owners.h"
#include "library/win/frame/declared_call.h"

namespace pixfarrow::win {
namespace {

// Background mode and text colour of a DC, put back when it ends.
class TextModeScope {
 public:
  TextModeScope(HDC dc, int mode, COLORREF colour)
      : dc_(dc), mode_(Declared<api::SetBkMode>()(dc, mode)), colour_(Declared<api::SetTextColor>()(dc, colour)) {}
  ~TextModeScope() {
    Declared<api::SetTextColor>()(dc_, colour_);
    Declared<api::SetBkMode>()(dc_, mode_);
  }
  TextModeScope(const TextModeScope&) = delete;
  TextModeScope& operator=(const TextModeScope&) = delete;

 private:
  HDC dc_;
  int mode_;
  COLORREF colour_;
};

void WriteText(HDC dc, const TextStyle& style, std::int32_t cellHeight) {
  const std::string face(style.face);
  const DeclaredGdi::Font font(Declared<api::CreateFontA>()(
      cellHeight, 0, 0, 0, style.weight, static_cast<DWORD>(style.italic), static_cast<DWORD>(style.underline),
      static_cast<DWORD>(style.strikeOut), GB2312_CHARSET, 0, 0, 0, 0, face.c_str()));
  const DeclaredGdi::Selection chosen(dc, font.get());
  const TextModeScope mode(dc, TRANSPARENT, RGB(255, 0, 0));
  const std::string text(style.text);
  Declared<api::TextOutA>()(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace

TextMask GdiTextRenderer::Render(const TextStyle& style) const {
  const ScreenDc screen = TakeScreenDc();
  const CellSize cell =
      TextCellSize(style.size, Declared<api::GetDeviceCaps>()(screen.get(), LOGPIXELSY), style.text.size());
  if (cell.width == 0) return {};
  const DeclaredGdi::Bitmap bitmap(Declared<api::CreateCompatibleBitmap>()(screen.get(), cell.width, cell.height));
  const DeclaredGdi::MemoryDc memory = DeclaredGdi::memoryDcFor(screen.get());
  const DeclaredGdi::Selection drawnOn(memory.get(), bitmap.get());
  if (!drawnOn) return {};
  WriteText(memory.get(), style, cell.height);

  TextMask mask{cell.width, cell.height, {}};
  mask.text.reserve(static_cast<std::size_t>(cell.width) * static_cast<std::size_t>(cell.height));
  for (int y = 0; y < cell.height; ++y) {
    for (int x = 0; x < cell.width; ++x) {
      mask.text.push_back(static_cast<std::int32_t>(Declared<api::GetPixel>()(memory.get(), x, y)) > 0);
    }
  }
  return mask;
}

}  // namespace pixfarrow::win
