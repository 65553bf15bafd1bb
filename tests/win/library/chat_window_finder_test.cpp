// QWXJB through the built DLL: the first visible top-level window titled exactly "微信",
// in EnumWindows order.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/standin_client.h"
#include "tests/win/library/pixfarrow_dll.h"
#include "tests/win/library/test_windows.h"

namespace {

using qv::test::AsInt;
using qv::test::TestWindow;

const std::wstring kWeChat = L"\u5FAE\u4FE1";  // 微信

class FindChatWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(dll_.module(), nullptr) << "cannot load the DLL";
    qwxjb_ = dll_.Export<qv::test::QwxjbFn>("QWXJB");
    ASSERT_NE(qwxjb_, nullptr);
  }
  std::int32_t Find() const { return qwxjb_(); }

  static std::ptrdiff_t Position(HWND window) {
    const auto all = qv::test::VisibleTopLevelWindows();
    return std::find(all.begin(), all.end(), window) - all.begin();
  }

  qv::test::PixfarrowDll dll_;
  qv::test::QwxjbFn qwxjb_ = nullptr;
};

TEST_F(FindChatWindow, TakesTheFirstOfTwoInEnumerationOrder) {
  TestWindow a(kWeChat, true), b(kWeChat, true);
  ASSERT_TRUE(a.get() && b.get());
  HWND first = Position(a.get()) < Position(b.get()) ? a.get() : b.get();
  HWND second = first == a.get() ? b.get() : a.get();
  EXPECT_EQ(Find(), AsInt(first));
  // Raising the other one changes the order, and the answer with it.
  SetWindowPos(second, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ASSERT_LT(Position(second), Position(first));
  EXPECT_EQ(Find(), AsInt(second));
}

TEST_F(FindChatWindow, NearMissesAndHiddenWindowsNeverMatch) {
  TestWindow real(kWeChat, true);
  const std::wstring misses[] = {kWeChat + L" ", L" " + kWeChat, L"\u5FAE\u4FE1\u7FA4", L"\u5FAE", L"WeChat", L""};
  std::vector<std::unique_ptr<TestWindow>> before;
  for (const auto& title : misses) before.push_back(std::make_unique<TestWindow>(title, true));
  for (const auto& w : before) ASSERT_LT(Position(w->get()), Position(real.get()));
  TestWindow hidden(kWeChat, false);  // newer, so ahead of the real one, but not visible
  EXPECT_EQ(Find(), AsInt(real.get()));
}

TEST_F(FindChatWindow, NoMatchGivesZero) {
  TestWindow nearMiss(kWeChat + L" ", true);
  TestWindow hidden(kWeChat, false);
  EXPECT_EQ(Find(), 0);
}

TEST_F(FindChatWindow, FindsTheMatchBehindMoreThanSixtyFourVisibleWindows) {
  TestWindow real(kWeChat, true);
  std::vector<std::unique_ptr<TestWindow>> decoys;
  for (int i = 0; i < 100; ++i)
    decoys.push_back(std::make_unique<TestWindow>(i % 2 ? L"window " + std::to_wstring(i) : L"", true));
  ASSERT_GE(Position(real.get()), 100);
  EXPECT_EQ(Find(), AsInt(real.get()));
}

TEST_F(FindChatWindow, PassesAWindowThatDoesNotAnswer) {
  TestWindow real(kWeChat, true);
  qv::test::HungWindow hung(kWeChat);
  ASSERT_NE(hung.get(), nullptr);
  ASSERT_LT(Position(hung.get()), Position(real.get()));
  EXPECT_EQ(Find(), AsInt(real.get()));
}

TEST_F(FindChatWindow, FindsTheStandInOfAnotherProcess) {
  qv::test::StandIn standin;
  ASSERT_NE(standin.window(), nullptr);
  EXPECT_EQ(Find(), AsInt(standin.window()));
}

}  // namespace
