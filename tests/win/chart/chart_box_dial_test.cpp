// The chart box without a web-view engine (no node.dll anywhere): it draws the dial itself.
#include <gtest/gtest.h>

#include <cmath>

#include "app/win/chart/native_dial.h"
#include "common/win/direct_gdi.h"
#include "tests/win/chart/chart_test_support.h"

namespace qv::test {
namespace {

using quorvela::win::EChartsBox;

// Points in the middle of the dial's ring in the box's 309 x 256 pixels (the ring's centre at
// (154.5, 138.24), radius 107.5, the scale from 225 degrees clockwise through 270): a fifth,
// nine tenths and 0.99 of the way up the scale; the cases give others with their share.
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
    const qv::win::DirectGdi::Selection use(dc_.get(), bitmap_.get());
    SendMessageW(box, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_.get()), PRF_CLIENT);
    GdiFlush();
  }
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
  qv::win::DirectGdi::MemoryDc dc_;
  qv::win::DirectGdi::Bitmap bitmap_;
  std::uint32_t* pixels_ = nullptr;
};

TEST(ChartBoxWithoutWebView, DialFollowsTheFeedAndNoScriptRuns) {
  GaugeOnPage gauge;
  ASSERT_TRUE(gauge.created);
  EChartsBox& page = gauge.page;
  quorvela::win::SpeedGaugeHandler& handler = gauge.handler;
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
  // In this order: above 50 the scale steps up to 100, then to 200, and the needle shows
  // the count; the 0 of a run's end brings back 50.
  const Case cases[] = {
      {0, kRingAtAFifth, quorvela::win::kDialTrackColour},
      {37, kRingAtAFifth, quorvela::win::kDialProgressColour},
      {37, kRingAtNineTenths, quorvela::win::kDialTrackColour},
      {50, kRingNearTheTop, quorvela::win::kDialProgressColour},
      {73, {241, 75}, quorvela::win::kDialProgressColour},    // 0.70 of 100
      {73, {256, 102}, quorvela::win::kDialTrackColour},      // 0.76
      {160, {259, 112}, quorvela::win::kDialProgressColour},  // 0.78 of 200
      {160, {262, 131}, quorvela::win::kDialTrackColour},     // 0.82
      {120, {194, 38}, quorvela::win::kDialProgressColour},   // 0.58: no step back within a run
      {120, {212, 47}, quorvela::win::kDialTrackColour},      // 0.62
      {0, kRingAtAFifth, quorvela::win::kDialTrackColour},
      {37, {247, 84}, quorvela::win::kDialProgressColour},    // 0.72 of 50 again
  };
  for (const auto& c : cases) {
    SetGaugeValue(handler.gauge, c.count);  // with no engine entry to call
    EXPECT_EQ(DialPicture(box).at(c.ring), c.colour) << c.count << " at (" << c.ring.x << ", " << c.ring.y << ")";
  }
  // Any count fits the number's box.
  for (int count : {7, 225029, 2147483647}) {
    SetGaugeValue(handler.gauge, count);
    EXPECT_EQ(DialPicture(box).inkBesideTheNumber(), 0) << count;
  }

  // The window itself paints anew when the feed changes the value.
  for (const auto& [count, colour] : {std::pair{0, quorvela::win::kDialTrackColour},
                                      std::pair{37, quorvela::win::kDialProgressColour}}) {
    SetGaugeValue(handler.gauge, count);
    UpdateWindow(box);
    const qv::win::DirectGdi::WindowDc painted(box);
    EXPECT_EQ(GetPixel(painted.get(), kRingAtAFifth.x, kRingAtAFifth.y), colour) << count;
  }
}

}  // namespace
}  // namespace qv::test
