// The faces that Windows itself draws with: the window frame's buttons in Marlett, and
// Chinese text in the system, caption and default GUI fonts. A face without Chinese glyphs
// and without a font link to one draws the same box or bar for every such character.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/win/direct_gdi.h"

namespace {

using Gdi = qv::win::DirectGdi;

// The title bar's "版" and the group box captions "控制中心", "速度表盘", "运行日志".
constexpr wchar_t kChineseTexts[] = L"\u7248\u63A7\u5236\u4E2D\u5FC3\u901F\u5EA6\u8868\u76D8\u8FD0\u884C\u65E5\u5FD7";
constexpr int kCell = 64;

LOGFONTW StockLogFont(int stock) {
  LOGFONTW font{};
  GetObjectW(GetStockObject(stock), sizeof font, &font);
  return font;
}

LOGFONTW CaptionLogFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return metrics.lfCaptionFont;
}

// One character drawn black on white, as the cell's pixels.
class GlyphCanvas {
 public:
  explicit GlyphCanvas(HFONT font) : dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kCell;
    info.bmiHeader.biHeight = -kCell;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
    selectBitmap_.emplace(dc_.get(), bitmap_.get());
    selectFont_.emplace(dc_.get(), font);
    SetTextColor(dc_.get(), RGB(0, 0, 0));
    SetBkMode(dc_.get(), TRANSPARENT);
  }

  bool ready() const { return bitmap_ && bits_; }

  std::string faceName() const {
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc_.get(), LF_FACESIZE, face);
    char utf8[4 * LF_FACESIZE] = {};
    WideCharToMultiByte(CP_UTF8, 0, face, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
  }

  std::vector<std::uint32_t> draw(wchar_t character) {
    PatBlt(dc_.get(), 0, 0, kCell, kCell, WHITENESS);
    TextOutW(dc_.get(), 4, 4, &character, 1);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits_);
    return {pixels, pixels + kCell * kCell};
  }

 private:
  Gdi::MemoryDc dc_;
  Gdi::Bitmap bitmap_;
  void* bits_ = nullptr;
  std::optional<Gdi::Selection> selectBitmap_;
  std::optional<Gdi::Selection> selectFont_;
};

bool HasInk(const std::vector<std::uint32_t>& pixels) {
  for (const std::uint32_t pixel : pixels) {
    if ((pixel & 0xFFFFFF) != 0xFFFFFF) return true;
  }
  return false;
}

struct FaceCase {
  const char* what;
  LOGFONTW (*logFont)();
};

const FaceCase kFaces[] = {
    {"system font (group box captions)", [] { return StockLogFont(SYSTEM_FONT); }},
    {"caption font (title bar)", CaptionLogFont},
    {"default GUI font (labels and buttons without a font of their own)", [] { return StockLogFont(DEFAULT_GUI_FONT); }},
};

TEST(SystemFonts, ChineseTextDrawsItsOwnGlyphs) {
  for (const FaceCase& face : kFaces) {
    SCOPED_TRACE(face.what);
    const LOGFONTW logFont = face.logFont();
    const Gdi::Font font(CreateFontIndirectW(&logFont));
    ASSERT_TRUE(font);
    GlyphCanvas canvas(font.get());
    ASSERT_TRUE(canvas.ready());
    std::set<std::vector<std::uint32_t>> drawings;
    for (const wchar_t* c = kChineseTexts; *c; ++c) {
      std::vector<std::uint32_t> drawing = canvas.draw(*c);
      EXPECT_TRUE(HasInk(drawing)) << "U+" << std::hex << static_cast<unsigned>(*c) << " draws nothing";
      drawings.insert(std::move(drawing));
    }
    EXPECT_EQ(drawings.size(), std::wcslen(kChineseTexts))
        << "distinct characters draw alike in " << canvas.faceName() << ": boxes, not glyphs";
  }
}

int CALLBACK CountFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return 1;
}

TEST(SystemFonts, MarlettDrawsTheFrameButtons) {
  const Gdi::MemoryDc dc(CreateCompatibleDC(nullptr));
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  std::wcscpy(query.lfFaceName, L"Marlett");
  int faces = 0;
  EnumFontFamiliesExW(dc.get(), &query, CountFace, reinterpret_cast<LPARAM>(&faces), 0);
  EXPECT_GT(faces, 0) << "no Marlett: the title bar's buttons show the letters 0, 1 and r";
}

}  // namespace
