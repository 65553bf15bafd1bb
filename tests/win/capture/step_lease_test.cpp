// The animation threads' lease: steps reach the window's queue until the lease is taken
// back, and none after, even from a thread that keeps trying.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "library/win/capture/step_lease.h"

namespace {

using pixfarrow::capture::StepLease;

constexpr UINT kStep = WM_APP + 7;

struct MessageWindow {
  MessageWindow() : handle(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
  ~MessageWindow() { DestroyWindow(handle); }
  HWND handle;
};

int TakeSteps(HWND window) {
  int steps = 0;
  MSG msg;
  while (PeekMessageW(&msg, window, kStep, kStep, PM_REMOVE)) ++steps;
  return steps;
}

TEST(StepLease, PostsUntilTakenBackAndNothingAfter) {
  MessageWindow window;
  ASSERT_NE(window.handle, nullptr);
  StepLease lease(window.handle);
  EXPECT_TRUE(lease.Post(kStep, 1, 0));
  EXPECT_TRUE(lease.Post(kStep, 2, 0));
  lease.TakeBack();
  EXPECT_FALSE(lease.Post(kStep, 3, 0));
  EXPECT_EQ(TakeSteps(window.handle), 2);
}

// An animation thread stops once its posts fail, and every step it counted is queued.
TEST(StepLease, AThreadThatKeepsPostingStopsAtTheTakeBack) {
  MessageWindow window;
  ASSERT_NE(window.handle, nullptr);
  StepLease lease(window.handle);
  std::atomic<int> posted{0};
  std::thread animation([&] {
    while (lease.Post(kStep, 0, 0)) {
      ++posted;
      Sleep(1);
    }
  });
  while (posted < 5) Sleep(1);
  lease.TakeBack();
  animation.join();
  EXPECT_EQ(TakeSteps(window.handle), posted.load());
}

}  // namespace
