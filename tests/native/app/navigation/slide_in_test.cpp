#include "app/core/navigation/slide_in.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvela {
namespace {

// A page that records where it was put; its window goes away after a number of moves.
class RecordedPage : public SlideTarget {
 public:
  explicit RecordedPage(int movesBeforeGone = 1000) : movesLeft_(movesBeforeGone) {}

  std::optional<int> left() override {
    if (movesLeft_ <= 0) return std::nullopt;
    return left_;
  }
  void moveToLeft(int left) override {
    if (movesLeft_ <= 0) return;
    left_ = left;
    lefts.push_back(left);
    --movesLeft_;
  }
  void pause() override { ++pauses; }

  std::vector<int> lefts;
  int pauses = 0;

 private:
  int movesLeft_;
  int left_ = 0;
};

TEST(SlideIn, SixteenStepsOfThirteenThenZero) {
  RecordedPage page;
  slideIntoPlace(page);
  const std::vector<int> expected{200, 187, 174, 161, 148, 135, 122, 109, 96, 83, 70, 57, 44, 31, 18, 5, -8, 0};
  EXPECT_EQ(page.lefts, expected);
  EXPECT_EQ(page.pauses, 16);
}

TEST(SlideIn, StopsWhenTheWindowGoesAway) {
  RecordedPage page(4);
  slideIntoPlace(page);
  EXPECT_EQ(page.lefts, (std::vector<int>{200, 187, 174, 161}));
  EXPECT_EQ(page.pauses, 3);
}

}  // namespace
}  // namespace quorvela
