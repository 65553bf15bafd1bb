#include "app/win/framework/font.h"

#include <algorithm>

#include "app/core/framework/font_description.h"

namespace quorvela::win {

namespace {

int screenDpi() {
  const qv::win::DirectGdi::WindowDc screen(nullptr);
  return screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
}

}  // namespace

SharedFont SetFontFromText(std::string_view description) {
  LOGFONTW logFont{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont);
  logFont.lfCharSet = DEFAULT_CHARSET;
  logFont.lfQuality = PROOF_QUALITY;

  LogicalFont start;
  start.face.assign(reinterpret_cast<const char16_t*>(logFont.lfFaceName));
  start.height = logFont.lfHeight;
  start.weight = logFont.lfWeight;
  start.italic = logFont.lfItalic != 0;
  start.underline = logFont.lfUnderline != 0;
  start.strikeOut = logFont.lfStrikeOut != 0;
  start.escapement = logFont.lfEscapement;
  const LogicalFont font = applyFontDescription(description, start, screenDpi());

  std::fill(std::begin(logFont.lfFaceName), std::end(logFont.lfFaceName), L'\0');
  std::copy(font.face.begin(), font.face.end(), logFont.lfFaceName);
  logFont.lfHeight = font.height;
  logFont.lfWeight = font.weight;
  logFont.lfItalic = font.italic;
  logFont.lfUnderline = font.underline;
  logFont.lfStrikeOut = font.strikeOut;
  logFont.lfEscapement = font.escapement;
  logFont.lfOrientation = font.escapement;
  auto made = std::make_shared<qv::win::DirectGdi::Font>(CreateFontIndirectW(&logFont));
  return *made ? made : nullptr;
}

}  // namespace quorvela::win
