// The finder's text searches with the text drawn by GDI.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "bmp_builder.h"
#include "library/core/image_finder.h"
#include "library/core/process_events.h"
#include "library/win/frame/message_pump.h"
#include "library/win/text/gdi_text_renderer.h"

namespace pixfarrow::win {
namespace {

constexpr std::int32_t kRed = 0x0000FF;  // 0x00BBGGRR
constexpr std::uint32_t kRedRgb = 0xFF0000, kWhiteRgb = 0xFFFFFF;

FontSpec Font() { return {0, 0, 0, 0, 0, 9, "SimSun"}; }

// Digits painted exactly as the renderer draws them, red on white, side by side with a gap
// of two columns, their cells' top-left corners from (2, 2).
ByteSet DigitsImage(const std::string& digits) {
  const GdiTextRenderer renderer;
  std::vector<TextMask> masks;
  for (const char d : digits) masks.push_back(renderer.Render({std::string_view(&d, 1), 9, 400, 0, 0, 0, "SimSun"}));
  const int cell = masks.empty() ? 6 : masks[0].width, height = masks.empty() ? 12 : masks[0].height;
  const int width = 4 + static_cast<int>(digits.size()) * (cell + 2);
  return test::Bmp24(width, height + 4, [&](int x, int y) {
    const int i = (x - 2) / (cell + 2), cx = (x - 2) % (cell + 2), cy = y - 2;
    const bool ink = x >= 2 && i < static_cast<int>(masks.size()) && cx < cell && cy >= 0 && cy < height &&
                     masks[i].IsText(cx, cy);
    return ink ? kRedRgb : kWhiteRgb;
  });
}

TEST(FindTextWithFontInImage, ReadsDigitsDrawnInTheFont) {
  struct Case {
    std::string digits;
    std::int32_t number;
  };
  const Case cases[] = {{"305", 305}, {"007", 7}, {"", -1}};
  const GdiTextRenderer renderer;
  for (const Case& c : cases) {
    ImageFinder finder;
    EXPECT_EQ(finder.FindTextWithFontInImage(renderer, DigitsImage(c.digits), kRed, Font()), c.number) << c.digits;
    EXPECT_EQ(finder.searchText, "9");
  }
  // Another colour is not read.
  ImageFinder finder;
  EXPECT_EQ(finder.FindTextWithFontInImage(renderer, DigitsImage("42"), 0x00FF00, Font()), -1);
}

bool gDispatched = false;
LRESULT CALLBACK NoteMessage(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_APP) gDispatched = true;
  return DefWindowProcW(window, message, w, l);
}

TEST(FindTextInImage, DispatchesTheThreadsMessagesWhileItScans) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = NoteMessage;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"QvTextSearchNote";
  RegisterClassW(&wc);
  HWND window = CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  SetProcessEventsHandler(&DispatchPendingMessages);
  PostMessageW(window, WM_APP, 0, 0);
  gDispatched = false;
  ImageFinder finder;
  finder.SetFont("8", kRed, Font());
  finder.FindTextInImage(GdiTextRenderer(), DigitsImage("1"));
  EXPECT_TRUE(gDispatched);
  SetProcessEventsHandler(nullptr);
  DestroyWindow(window);
}

}  // namespace
}  // namespace pixfarrow::win
