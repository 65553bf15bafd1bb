// The slide-in of a shown page, on a thread of its own.
#include <gtest/gtest.h>

#include <vector>

#include "app/win/framework/control_window.h"
#include "app/win/framework/window_procedure.h"
#include "app/win/navigation/page_slide_in.h"
#include "tests/win/framework/host_form.h"

namespace qv::test {
namespace {

using namespace quorvela;
using namespace quorvela::win;

// A page that records every left its window is moved to.
class RecordingPage : public VolClass<RecordingPage, Panel> {
 public:
  static constexpr const char* kClassName = "qv::test::RecordingPage";

  bool onMessage(WindowMessage& message) override {
    if (message.id == WM_WINDOWPOSCHANGED) {
      const auto* position = reinterpret_cast<const WINDOWPOS*>(message.lParam);
      if (!(position->flags & SWP_NOMOVE)) lefts.push_back(position->x);
    }
    return Panel::onMessage(message);
  }

  std::vector<int> lefts;
};

class SlideInTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(createHost(form_), nullptr); }

  bool placePage(RecordingPage& page) {
    const bool created = page.create({windowOf(form_), &form_, 0, 0, 300, 200, 0xFFFF, ""});
    page.lefts.clear();
    return created;
  }

  HostForm form_;
};

TEST_F(SlideInTest, PagePassesThroughTheLeftsAndEndsInPlace) {
  RecordingPage page;
  ASSERT_TRUE(placePage(page));
  SlideInPage(page);
  const std::vector<int> expected{200, 187, 174, 161, 148, 135, 122, 109, 96, 83, 70, 57, 44, 31, 18, 5, -8, 0};
  EXPECT_TRUE(pumpUntil([&] { return page.lefts.size() >= expected.size(); }));
  pumpUntil([] { return false; }, 100);
  EXPECT_EQ(page.lefts, expected);
  EXPECT_EQ(positionInParent(windowOf(page)).x, 0);
}

TEST_F(SlideInTest, PageDestroyedDuringTheSlideIsNeverTouchedAgain) {
  for (int round = 0; round < 5; ++round) {
    SCOPED_TRACE(round);
    RecordingPage page;
    ASSERT_TRUE(placePage(page));
    SlideInPage(page);
    ASSERT_TRUE(pumpUntil([&] { return page.lefts.size() >= 3; }));
    DestroyWindow(windowOf(page));
    // A new window, possibly with the old handle, stays where it was put.
    RecordingPage next;
    ASSERT_TRUE(placePage(next));
    pumpUntil([] { return false; }, 200);
    EXPECT_TRUE(next.lefts.empty());
    EXPECT_EQ(positionInParent(windowOf(next)).x, 0);
  }
}

TEST_F(SlideInTest, PageWithoutWindowStartsNoSlide) {
  RecordingPage page;
  SlideInPage(page);
  EXPECT_TRUE(page.lefts.empty());
}

}  // namespace
}  // namespace qv::test
