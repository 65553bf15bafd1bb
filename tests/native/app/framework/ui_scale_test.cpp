#include "app/core/framework/ui_scale.h"

#include <gtest/gtest.h>

namespace quorvela {
namespace {

TEST(UiScale, FromDpiNeverBelowOne) {
  struct Case {
    int dpi;
    double scale;
  };
  for (const auto& c : {Case{96, 1.0}, Case{120, 1.25}, Case{144, 1.5}, Case{192, 2.0}, Case{72, 1.0},
                        Case{0, 1.0}}) {
    EXPECT_DOUBLE_EQ(UiScale::fromDpi(c.dpi), c.scale) << c.dpi;
  }
}

TEST(UiScale, EachValueRoundedByItself) {
  struct Case {
    double scale;
    int design, pixels;
  };
  const Case cases[] = {
      {1.0, 700, 700}, {1.0, 47, 47},    {1.25, 700, 875}, {1.25, 500, 625},
      {1.25, 47, 59},  {1.25, 653, 816}, {1.5, 700, 1050}, {1.5, 500, 750},
      {1.25, 0, 0},    {1.25, 45, 56},   {1.25, 1, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(UiScale::toPixels(c.scale, c.design), c.pixels) << c.scale << " " << c.design;
  // The two panels tile the form at 120 DPI.
  EXPECT_EQ(UiScale::toPixels(1.25, 47) + UiScale::toPixels(1.25, 653), UiScale::toPixels(1.25, 700));
}

}  // namespace
}  // namespace quorvela
