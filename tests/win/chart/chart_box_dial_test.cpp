// The chart box without a web-view engine (no node.dll anywhere): it draws the dial itself.
#include <gtest/gtest.h>

#include "app/win/chart/native_dial.h"
#include "app/win/framework/unique_handles.h"
#include "tests/win/chart/chart_test_support.h"

namespace qv::test {
namespace {

using quorvela::win::EChartsBox;

// Points in the middle of the dial's ring in the box's 309 x 256 pixels (the ring's centre at
// (154.5, 138.24), radius 107.5, the scale from 225 degrees clockwise through 270): a fifth,
// nine tenths and 0.99 of the way up the scale.
constexpr POINT kRingAtAFifth{48, 121};
constexpr POINT kRingAtNineTenths{257, 171};
constexpr POINT kRingNearTheTop{234, 211};

// The box's client area drawn through WM_PRINTCLIENT into a top-down 32-bit DIB.
class DialPicture {
 public:
  explicit DialPicture(HWND box) {
    GetClientRect(box, &client_);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), client_.right, -client_.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    dc_.reset(CreateCompatibleDC(nullptr));
    bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels_), nullptr, 0));
    const quorvela::win::ScopedSelect use(dc_.get(), bitmap_.get());
    SendMessageW(box, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_.get()), PRF_CLIENT);
    GdiFlush();
  }
  COLORREF at(POINT point) const {
    const std::uint32_t bgrx = pixels_[point.y * client_.right + point.x];
    return RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
  }

 private:
  RECT client_{};
  quorvela::win::UniqueCreatedDc dc_;
  quorvela::win::UniqueBitmap bitmap_;
  std::uint32_t* pixels_ = nullptr;
};

TEST(ChartBoxWithoutWebView, DialFollowsTheFeedAndNoScriptRuns) {
  GaugeOnPage gauge;
  ASSERT_TRUE(gauge.created);
  EChartsBox& page = gauge.page;
  GaugeOwner& handler = gauge.handler;
  EXPECT_FALSE(page.hasWebView());
  EXPECT_EQ(GetModuleHandleW(L"node.dll"), nullptr);
  EXPECT_FLOAT_EQ(page.zoomFactor(), 0.9f);

  // The box reports itself ready at once, so the gauge option is built as with the page.
  ASSERT_TRUE(pumpUntil([&] { return page.option.series().size() == 1; }));
  HWND box = GetDlgItem(gauge.host, 119);
  ASSERT_NE(box, nullptr);

  RECT client{};
  GetClientRect(box, &client);
  ASSERT_EQ(client.right, 309);
  ASSERT_EQ(client.bottom, 256);

  struct Case {
    int count;
    POINT ring;
    COLORREF colour;
  };
  const Case cases[] = {
      {0, kRingAtAFifth, quorvela::win::kDialTrackColour},
      {37, kRingAtAFifth, quorvela::win::kDialProgressColour},
      {37, kRingAtNineTenths, quorvela::win::kDialTrackColour},
      {50, kRingNearTheTop, quorvela::win::kDialProgressColour},
      {73, kRingNearTheTop, quorvela::win::kDialProgressColour},  // above the scale: full, not beyond
  };
  for (const auto& c : cases) {
    SetGaugeValue(handler.feed, c.count);  // with no engine entry to call
    EXPECT_EQ(DialPicture(box).at(c.ring), c.colour) << c.count << " at (" << c.ring.x << ", " << c.ring.y << ")";
  }
  // The window itself paints anew when the feed changes the value.
  for (const auto& [count, colour] : {std::pair{0, quorvela::win::kDialTrackColour},
                                      std::pair{37, quorvela::win::kDialProgressColour}}) {
    SetGaugeValue(handler.feed, count);
    UpdateWindow(box);
    const quorvela::win::WindowDc painted(box);
    EXPECT_EQ(GetPixel(painted.get(), kRingAtAFifth.x, kRingAtAFifth.y), colour) << count;
  }
}

}  // namespace
}  // namespace qv::test
