#include "app/core/control_centre/control_centre_design.h"
#include "app/core/navigation/navigation_bar_design.h"

#include <gtest/gtest.h>

#include "app/core/framework/integer_input.h"
#include "app/core/framework/picture_placement.h"
#include "app/core/run_log/run_log_line.h"

namespace quorvela {
namespace {

using namespace control_centre;

TEST(ControlCentreDesign, IdsRunFrom101To127InOrderUnderKnownParents) {
  int expected = 101;
  for (const auto& control : kControls) {
    EXPECT_EQ(control.id, expected++);
    if (control.parentId != 0) {
      const auto parent = findDesign(kControls, control.parentId);
      ASSERT_TRUE(parent.has_value()) << control.id;
      EXPECT_EQ(parent->parentId, 0) << "group boxes are the page's only direct children";
      // Every child fits its group box.
      EXPECT_LE(control.bounds.left + control.bounds.width, parent->bounds.width) << control.id;
      EXPECT_LE(control.bounds.top + control.bounds.height, parent->bounds.height) << control.id;
    } else {
      EXPECT_LE(control.bounds.left + control.bounds.width, kPageWidth) << control.id;
      EXPECT_LE(control.bounds.top + control.bounds.height, kPageHeight) << control.id;
    }
  }
}

TEST(ControlCentreDesign, ScaledEachValueByItself) {
  struct Case {
    int id;
    double scale;
    DesignRect pixels;
  };
  const Case cases[] = {
      {kTopPanel, 1.0, {5, 5, 640, 203}},
      {kTopPanel, 1.5, {8, 8, 960, 305}},
      {kRunNowButton, 1.25, {5, 56, 229, 59}},
      {kErrorSwatch, 1.5, {63, 32, 27, 24}},
      {kRunLogBox, 1.25, {6, 54, 380, 288}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(scaledRect(findDesign(kControls, c.id)->bounds, c.scale), c.pixels) << c.id << " at " << c.scale;
  }
  EXPECT_EQ(scaledRect(navigation_bar::kControlCentreButton, 1.25), (DesignRect{0, 1, 59, 56}));
  EXPECT_FALSE(findDesign(kControls, 128).has_value());
}

TEST(IntegerInput, ControlCharactersDigitsAndMinusOnly) {
  for (char16_t c : {u'0', u'5', u'9', u'-', u'\b', u'\r', u'\x16', u'\x7F'}) EXPECT_TRUE(acceptsIntegerInput(c)) << int(c);
  for (char16_t c : {u'a', u'+', u' ', u'.', u'/', u':', u'\uFF10', u'时'}) EXPECT_FALSE(acceptsIntegerInput(c)) << int(c);
}

TEST(RunLogLine, ThreeTypesHaveTheirColoursOthersNone) {
  EXPECT_EQ(runLogColour(0), 0x000000FFu);
  EXPECT_EQ(runLogColour(1), 0x00FF8800u);
  EXPECT_EQ(runLogColour(2), 0x0080E000u);
  for (int type : {-1, 3, 100}) EXPECT_FALSE(runLogColour(type).has_value()) << type;
}

TEST(PicturePlacement, FourModes) {
  struct Case {
    int mode, pictureWidth, pictureHeight, clientWidth, clientHeight;
    std::vector<DesignRect> rects;
  };
  const Case cases[] = {
      {0, 50, 30, 128, 77, {{0, 0, 50, 30}}},
      {1, 60, 40, 128, 77, {{0, 0, 60, 40}, {60, 0, 60, 40}, {120, 0, 60, 40}, {0, 40, 60, 40}, {60, 40, 60, 40}, {120, 40, 60, 40}}},
      {2, 50, 30, 128, 77, {{39, 23, 50, 30}}},      // small: natural size, centred
      {2, 192, 116, 128, 77, {{0, 0, 127, 77}}},     // larger: scaled down to the height
      {2, 100, 200, 128, 77, {{45, 0, 38, 77}}},     // larger: scaled down by the height
      {3, 192, 116, 128, 77, {{0, 0, 128, 77}}},
      {4, 10, 10, 128, 77, {}},
      {3, 0, 10, 128, 77, {}},
      {0, 10, 10, 0, 0, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(placePicture(c.mode, c.pictureWidth, c.pictureHeight, c.clientWidth, c.clientHeight), c.rects) << c.mode;
  }
}

TEST(PicturePlacement, CircleSquareIsCentred) {
  EXPECT_EQ(centredSquare(18, 16), (DesignRect{1, 0, 16, 16}));
  EXPECT_EQ(centredSquare(27, 24), (DesignRect{1, 0, 24, 24}));
  EXPECT_EQ(centredSquare(10, 30), (DesignRect{0, 10, 10, 10}));
  EXPECT_EQ(centredSquare(0, 5), (DesignRect{0, 2, 0, 0}));
}

}  // namespace
}  // namespace quorvela
