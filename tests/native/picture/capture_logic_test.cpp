// The capture's arithmetic: the drag rectangle, the fade, the slide and the picture fit.
#include <gtest/gtest.h>

#include <string>

#include "library/capture_core/capture_motion.h"
#include "library/capture_core/capture_state.h"

namespace {

using namespace pixfarrow::capture;

struct DragCase {
  const char* what;
  CapturePoint down, move;
  SelectionRect rect;
  std::int32_t w, h;
};

TEST(CaptureState, DragRectangleIsTheSameFromEitherCorner) {
  const DragCase cases[] = {
      {"down-right", {10, 10}, {20, 20}, {10, 10, 20, 20}, 10, 10},
      {"up-left", {20, 20}, {10, 10}, {10, 10, 20, 20}, 10, 10},
      {"up-right", {10, 20}, {20, 10}, {10, 10, 20, 20}, 10, 10},
      {"straight line", {5, 7}, {30, 7}, {5, 7, 30, 7}, 25, 0},
      {"back to the start", {8, 9}, {8, 9}, {8, 9, 8, 9}, 0, 0},
  };
  for (const auto& c : cases) {
    CaptureState s;
    s.OnButtonDown(c.down.x, c.down.y);
    SelectionRect drawn;
    if (c.move != CapturePoint{c.down.x + 40, c.down.y}) s.OnPointerMoved(c.down.x + 40, c.down.y, &drawn);
    ASSERT_TRUE(s.OnPointerMoved(c.move.x, c.move.y, &drawn)) << c.what;
    EXPECT_EQ(drawn, c.rect) << c.what;
    EXPECT_EQ(s.SelMinX, c.rect.left) << c.what;
    EXPECT_EQ(s.SelMinY, c.rect.top) << c.what;
    EXPECT_EQ(s.SelW, c.w) << c.what;
    EXPECT_EQ(s.SelH, c.h) << c.what;
  }
}

TEST(CaptureState, MovesOutsideADragAndPressWithoutMoveKeepThePreviousRectangle) {
  CaptureState s;
  SelectionRect drawn{1, 2, 3, 4};
  EXPECT_FALSE(s.OnPointerMoved(50, 50, &drawn));
  EXPECT_EQ(drawn, (SelectionRect{1, 2, 3, 4}));
  EXPECT_EQ(s.SelW, 0) << "all zero before the first drag";

  s.OnButtonDown(10, 10);
  s.OnPointerMoved(30, 25, &drawn);
  s.OnButtonUp();
  EXPECT_FALSE(s.OnPointerMoved(99, 99, nullptr));
  s.OnCaptureStarted();
  s.OnButtonDown(70, 70);  // a press and release with no move in between
  s.OnButtonUp();
  EXPECT_EQ(s.SelMinX, 10);
  EXPECT_EQ(s.SelMinY, 10);
  EXPECT_EQ(s.SelW, 20);
  EXPECT_EQ(s.SelH, 15);
}

TEST(CaptureMotion, FadeEndsAt120) {
  EXPECT_EQ(FadeAlpha(1), 3);
  EXPECT_EQ(FadeAlpha(kFadeSteps), 120);
}

TEST(CaptureMotion, SlideComesToRestWithin14PixelsOfTheEdge) {
  // From wholly right of the screen to its right edge is twice the guide's width, in steps of
  // 15: the guide of 787 pixels takes 105 steps and stops 1 pixel short.
  struct Case {
    std::int32_t guideWidth, steps, gap;
  };
  for (const Case c : {Case{787, 105, 1}, Case{781, 105, 13}, Case{780, 104, 0}}) {
    for (std::int32_t screen : {640, 800, 1024, 1280, 1366, 1920, 2561}) {
      SCOPED_TRACE(std::to_string(c.guideWidth) + " on " + std::to_string(screen));
      std::int32_t left = GuideStartLeft(screen, c.guideWidth);
      EXPECT_EQ(left, screen + c.guideWidth);
      int steps = 0;
      while (auto next = NextSlideLeft(left, c.guideWidth, screen)) {
        left = *next;
        ++steps;
      }
      EXPECT_EQ(screen - (left + c.guideWidth), c.gap);
      EXPECT_EQ(steps, c.steps);
    }
  }
  EXPECT_FALSE(NextSlideLeft(213, 787, 1000)) << "right edge exactly on the screen's edge stops";
}

TEST(CaptureMotion, PictureFitsInsideTheBoxKeepingItsShape) {
  struct Case {
    std::int32_t pw, ph, bw, bh;
    FitRect want;
  } cases[] = {
      {518, 518, 400, 400, {0, 0, 400, 400}},
      {200, 100, 400, 400, {0, 100, 400, 200}},
      {100, 400, 400, 400, {150, 0, 100, 400}},
      {0, 518, 400, 400, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(FitPicture(c.pw, c.ph, c.bw, c.bh), c.want) << c.pw << "x" << c.ph;
}

}  // namespace
