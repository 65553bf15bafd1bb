// The framework's controls in a window of this test.
#include <gtest/gtest.h>

#include "app/win/framework/font.h"
#include "app/win/framework/picture_panel.h"
#include "app/win/framework/shape_box.h"
#include "app/win/framework/super_button.h"
#include "app/win/framework/timer_control.h"

#include "app/win/framework/window_procedure.h"
#include "tests/support/bmp_builder.h"
#include "tests/win/framework/host_form.h"

namespace qv::test {
namespace {

using namespace quorvela;
using namespace quorvela::win;

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(host_ = createHost(form_), nullptr); }

  ControlPlacement at(int left, int top, int width, int height, int id = 200) {
    return {host_, &form_, left, top, width, height, id, ""};
  }

  HostForm form_;
  HWND host_ = nullptr;
};

// Counts the events that reach it and remembers the last sender.
struct Receiver : VolClass<Receiver, CVolObject> {
  static constexpr const char* kClassName = "qv::test::Receiver";
  static std::int32_t onEvent(CVolObject* owner, CVolObject* sender, std::int32_t) {
    auto* self = static_cast<Receiver*>(owner);
    ++self->count;
    self->lastSender = sender;
    return 0;
  }
  int count = 0;
  CVolObject* lastSender = nullptr;
  EventRecord record = CVolEventObjectPointer::create(this);
};

TEST_F(ControlsTest, FontsFollowTheDescriptionAtTheScreenDpi) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  ASSERT_EQ(dpi, 96) << "the heights below are those at 96 DPI";
  // Points at 96 DPI: 12 give 16 pixels, 18 give 24, 8 give 10.67, rounded to 11.
  struct Case {
    const char* description;
    LONG height;
    LONG weight;
  };
  for (const auto& c : {Case{"黑体, 12, 1, 0, 0, 0, 0", -16, 700}, Case{"黑体, 18, 0, 0, 0, 0, 0", -24, 400},
                        Case{"黑体, 8, 0, 0, 0, 0, 0", -11, 400}}) {
    SCOPED_TRACE(c.description);
    const SharedFont font = SetFontFromText(c.description);
    ASSERT_TRUE(font);
    LOGFONTW logFont{};
    ASSERT_EQ(GetObjectW(font->get(), sizeof logFont, &logFont), static_cast<int>(sizeof logFont));
    EXPECT_EQ(logFont.lfHeight, c.height);
    EXPECT_EQ(logFont.lfWeight, c.weight);
    EXPECT_STREQ(logFont.lfFaceName, L"黑体");
    EXPECT_EQ(logFont.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(logFont.lfQuality, PROOF_QUALITY);
  }
}

TEST_F(ControlsTest, ButtonClickReachesTheAdoptedCopyOnly) {
  SuperButton pageButton;
  ASSERT_TRUE(pageButton.create(at(10, 10, 100, 40)));
  Receiver page, handler;
  pageButton.clickEvent.bind(&Receiver::onEvent, page.record);
  SuperButton adopted;
  adopted.releaseBeforeAssign();
  adopted = pageButton;
  adopted.clickEvent.bind(&Receiver::onEvent, handler.record);
  adopted.listenToWindow();

  HWND window = windowOf(pageButton);
  struct Case {
    LPARAM down, up;
    int clicks;
  };
  for (const auto& c : {Case{MAKELPARAM(5, 5), MAKELPARAM(50, 20), 1}, Case{MAKELPARAM(5, 5), MAKELPARAM(150, 20), 0}}) {
    const int before = handler.count;
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, c.down);
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, c.up);
    SendMessageW(window, WM_LBUTTONUP, 0, c.up);
    EXPECT_EQ(handler.count - before, c.clicks);
  }
  EXPECT_EQ(handler.lastSender, &adopted);
  EXPECT_EQ(page.count, 0);
}

TEST_F(ControlsTest, ButtonImagesKeyedByTheirCornerSwitchedByStateAndPressedDown) {
  constexpr int kRedFace = 301;
  constexpr int kBlueFace = 302;
  constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);
  SuperButton button;
  button.setImage(kRedFace);
  button.setAltImage(kBlueFace);
  ASSERT_TRUE(button.create(at(10, 10, 40, 40)));
  HWND window = windowOf(button);
  // The 16-pixel face sits centred at (12, 12); its square covers 16 to 23.
  EXPECT_EQ(clientPixel(window, 20, 20), kRed);
  EXPECT_EQ(clientPixel(window, 13, 13), kWhite) << "the corner's colour is transparent";
  EXPECT_EQ(clientPixel(window, 20, 24), kWhite);

  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  EXPECT_EQ(clientPixel(window, 20, 24), kBlue) << "pressed: second image, 2 pixels down";
  EXPECT_EQ(clientPixel(window, 20, 17), kWhite);
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(60, 60));

  button.setAltImage(0);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  EXPECT_EQ(clientPixel(window, 20, 24), kRed) << "without a second image the first is drawn";
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(60, 60));

  SuperButton missing;
  missing.setImage(999);
  ASSERT_TRUE(missing.create(at(60, 10, 40, 40, 201)));
  EXPECT_EQ(clientPixel(windowOf(missing), 20, 20), kWhite) << "a missing resource draws no image";
}

TEST_F(ControlsTest, CircleFillsTheCentredSquareOnTheBackground) {
  ShapeBox shape;
  shape.background = 0xFFFFFF;
  shape.outlineColour = 0x000000;
  shape.fillColour = 0x0000FF;
  ASSERT_TRUE(shape.create(at(20, 20, 36, 32)));
  HWND window = windowOf(shape);
  EXPECT_EQ(clientPixel(window, 18, 16), RGB(255, 0, 0));  // centre
  EXPECT_EQ(clientPixel(window, 1, 16), RGB(255, 255, 255)) << "left of the square";
  EXPECT_EQ(clientPixel(window, 3, 1), RGB(255, 255, 255)) << "square's corner, outside the circle";
  EXPECT_EQ(clientPixel(window, 18, 0), RGB(0, 0, 0)) << "outline inside the frame";
}

TEST_F(ControlsTest, PictureStretchedOverTheWholePanel) {
  PicturePanel preview;
  preview.pictureMode = PictureMode::kStretched;
  preview.background = 0xFFFFFF;
  ASSERT_TRUE(preview.create(at(100, 100, 128, 77)));
  HWND window = windowOf(preview);
  preview.setPicture(MakeBmp24(20, 10, [](int x, int) { return x < 10 ? 0xFF0000u : 0x0000FFu; }));
  EXPECT_TRUE(preview.hasPicture());
  EXPECT_EQ(clientPixel(window, 5, 5), RGB(255, 0, 0));
  EXPECT_EQ(clientPixel(window, 122, 70), RGB(0, 0, 255));

  const std::vector<std::uint8_t> notAPicture{'B', 'M', 1, 2, 3};
  preview.setPicture(notAPicture);
  EXPECT_FALSE(preview.hasPicture());
  EXPECT_EQ(clientPixel(window, 5, 5), RGB(255, 255, 255));
}

TEST_F(ControlsTest, TimerTicksUntilStopped) {
  TimerControl timer;
  ASSERT_TRUE(timer.create(at(0, 0, 10, 10)));
  EXPECT_FALSE(IsWindowVisible(windowOf(timer)));
  Receiver receiver;
  timer.tickEvent.bind(&Receiver::onEvent, receiver.record);
  timer.setInterval(20);
  EXPECT_TRUE(pumpUntil([&] { return receiver.count >= 3; }));
  EXPECT_EQ(receiver.lastSender, &timer);
  timer.setInterval(0);
  const int stopped = receiver.count;
  pumpUntil([] { return false; }, 150);
  EXPECT_EQ(receiver.count, stopped);
}

}  // namespace
}  // namespace qv::test
