#pragma once
// The window services that the capture's handlers rely on.
#include <windows.h>

#include <functional>

#include "common/bmp_file_bytes.h"
#include "library/win/capture/runtime/loaded_window.h"

namespace pixfarrow::capture {

// Asks the window to close; it goes when its thread's message loop next gets the request.
void DestroyLoadedWindow(const LoadedWindow* window);
bool IsWindowLoaded(const LoadedWindow* window);

inline constexpr int kZOrderBottom = 2;
inline constexpr int kZOrderNotTopmost = 4;
void SetZOrder(HWND window, int where);

int ScreenWidth();
int ScreenHeight();

// The whole primary screen as BMP file bytes at the display's depth.
qv::BmpFileBytes WindowSnapshotBytes();

// Makes the window layered (its extended style becomes that alone) with this opacity;
// a null handle does nothing.
void SetWindowAlpha(HWND window, int alpha);

// Waits until the tick count has moved on by more than `ms`, handling this thread's messages.
void DelayWithEvents(DWORD ms);

// Runs the routine on a new thread whose handle is closed at once. The thread keeps the
// module that holds this code loaded until it has ended.
bool StartThread(std::function<void()> routine);

void LockRedraw(HWND window);
void UnlockRedraw();

}  // namespace pixfarrow::capture
