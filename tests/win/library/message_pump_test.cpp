// The pump that the searches run between pixels: the thread's messages are dispatched,
// and a quit is left for the thread's own message loop.
#include "library/win/frame/message_pump.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

namespace {

int gDispatched = 0;

LRESULT CALLBACK CountApp(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  if (message == WM_APP) ++gDispatched;
  return DefWindowProcW(window, message, wp, lp);
}

// On a thread of its own, so the pump starts with its first call, which drains the queue.
TEST(MessagePump, DispatchesWhatCameBeforeAQuitAndPostsTheQuitAgain) {
  std::thread([] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = CountApp;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QvMessagePumpCount";
    RegisterClassW(&wc);
    HWND window = CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    gDispatched = 0;
    PostMessageW(window, WM_APP, 0, 0);
    PostQuitMessage(7);
    pixfarrow::win::DispatchPendingMessages();
    EXPECT_EQ(gDispatched, 1);
    MSG quit{};
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit was swallowed";
    EXPECT_EQ(quit.wParam, 7u);
    DestroyWindow(window);
  }).join();
}

}  // namespace
