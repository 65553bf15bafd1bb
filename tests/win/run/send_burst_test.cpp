// The send burst into the stand-in, on a thread with its own window and a quit request.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/win/run/press_send_key.h"
#include "tests/support/standin_client.h"
#include "tests/win/run/bound_library.h"

namespace {

int g_appMessages = 0;

LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  if (message == WM_APP) ++g_appMessages;
  return DefWindowProcW(window, message, wp, lp);
}

TEST(SendBurst, ThousandEnterPairsReachTheWindowWhileOwnMessagesArePumpedAndWmQuitStays) {
  qv::test::PixfarrowDll dll;
  quorvela::win::BoundLibrary library;
  ASSERT_TRUE(qv::test::BindPixfarrow(dll, library));
  qv::test::StandIn standin;
  ASSERT_NE(standin.window(), nullptr);

  WNDCLASSW kind{};
  kind.lpfnWndProc = CountingProcedure;
  kind.hInstance = GetModuleHandleW(nullptr);
  kind.lpszClassName = L"QvSendBurstCounter";
  RegisterClassW(&kind);
  HWND own = CreateWindowExW(0, kind.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, kind.hInstance, nullptr);
  ASSERT_NE(own, nullptr);
  g_appMessages = 0;
  PostMessageW(own, WM_APP, 0, 0);
  PostQuitMessage(7);

  quorvela::win::PressSendKey(library, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(standin.window())));

  EXPECT_EQ(g_appMessages, 1);
  MSG quit{};
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(quit.wParam, 7u);
  DestroyWindow(own);

  const qv::test::StandInRecord record = standin.ReadRecordWhenDelivered();
  int downs = 0, ups = 0, others = 0;
  for (const auto& m : record.messages) {
    if (m.message == WM_KEYDOWN && m.wParam == VK_RETURN) ++downs;
    else if (m.message == WM_KEYUP && m.wParam == VK_RETURN) ++ups;
    else ++others;
  }
  EXPECT_EQ(downs, 1000);
  EXPECT_EQ(ups, 1000);
  EXPECT_EQ(others, 0);
}

}  // namespace
