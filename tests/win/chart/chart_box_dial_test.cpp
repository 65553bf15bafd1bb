// The chart box without a web-view engine (no node.dll anywhere): it draws the dial itself.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "app/win/chart/native_dial.h"
#include "app/win/framework/unique_handles.h"
#include "tests/win/chart/chart_test_support.h"

namespace qv::test {
namespace {

using quorvela::win::EChartsBox;

// The middle of the dial's ring at a share of the scale.
POINT ringPoint(const RECT& client, double fraction) {
  const auto ring = quorvela::win::DialRingIn(client);
  const double radians = quorvela::DialAngleDegrees(fraction) * std::numbers::pi / 180.0;
  return {std::lround(ring.centreX + ring.radius * std::cos(radians)),
          std::lround(ring.centreY - ring.radius * std::sin(radians))};
}

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
  COLORREF ringAt(double fraction) const { return at(ringPoint(client_, fraction)); }
  COLORREF at(POINT point) const {
    const std::uint32_t bgrx = pixels_[point.y * client_.right + point.x];
    return RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
  }
  // Pixels other than white beside the number's box, between it and the ring, across the
  // middle of the number's line.
  int inkBesideTheNumber() const {
    const auto ring = quorvela::win::DialRingIn(client_);
    const auto box = quorvela::win::DialNumberBox(ring);
    int ink = 0;
    for (double dy = -0.05; dy <= 0.05; dy += 0.01) {
      for (double dx = box.width / 2 + 2; dx < ring.radius * 0.6; dx += 1) {
        for (double side : {-1.0, 1.0}) {
          const POINT p{std::lround(box.centreX + side * dx), std::lround(box.centreY + dy * ring.radius)};
          ink += at(p) != RGB(0xFF, 0xFF, 0xFF);
        }
      }
    }
    return ink;
  }
  const RECT& client() const { return client_; }

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

  struct Case {
    int count;
    double share;
    COLORREF colour;
  };
  // In this order: above 50 the scale steps up to 100, then to 200, and the needle shows
  // the count; the 0 of a run's end brings back 50.
  const Case cases[] = {
      {0, 0.2, quorvela::win::kDialTrackColour},     {37, 0.2, quorvela::win::kDialProgressColour},
      {37, 0.9, quorvela::win::kDialTrackColour},    {50, 0.99, quorvela::win::kDialProgressColour},
      {73, 0.7, quorvela::win::kDialProgressColour}, {73, 0.76, quorvela::win::kDialTrackColour},
      {160, 0.78, quorvela::win::kDialProgressColour}, {160, 0.82, quorvela::win::kDialTrackColour},
      {120, 0.58, quorvela::win::kDialProgressColour}, {120, 0.62, quorvela::win::kDialTrackColour},
      {0, 0.2, quorvela::win::kDialTrackColour},     {37, 0.72, quorvela::win::kDialProgressColour},
  };
  for (const auto& c : cases) {
    SetGaugeValue(handler.feed, c.count);  // with no engine entry to call
    EXPECT_EQ(DialPicture(box).ringAt(c.share), c.colour) << c.count << " at " << c.share;
  }
  // Any count fits the number's box.
  for (int count : {7, 225029, 2147483647}) {
    SetGaugeValue(handler.feed, count);
    EXPECT_EQ(DialPicture(box).inkBesideTheNumber(), 0) << count;
  }

  // The window itself paints anew when the feed changes the value.
  SetGaugeValue(handler.feed, 0);
  RECT client{};
  GetClientRect(box, &client);
  const POINT at = ringPoint(client, 0.2);
  for (const auto& [count, colour] : {std::pair{0, quorvela::win::kDialTrackColour},
                                      std::pair{37, quorvela::win::kDialProgressColour}}) {
    SetGaugeValue(handler.feed, count);
    UpdateWindow(box);
    const quorvela::win::WindowDc painted(box);
    EXPECT_EQ(GetPixel(painted.get(), at.x, at.y), colour) << count;
  }
}

}  // namespace
}  // namespace qv::test
