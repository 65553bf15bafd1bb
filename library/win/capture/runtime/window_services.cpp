#include "library/win/capture/runtime/window_services.h"

#include <memory>

#include "common/win/kernel_owners.h"
#include "library/win/capture/runtime/dib_bytes.h"
#include "library/win/capture/runtime/gdi_calls.h"

namespace pixfarrow::capture {

void DestroyLoadedWindow(const LoadedWindow* window) {
  if (window && window->loaded()) PostMessageW(window->window(), kDestroyRequest, 0, 0);
}

bool IsWindowLoaded(const LoadedWindow* window) { return window && window->loaded() && IsWindow(window->window()); }

void SetZOrder(HWND window, int where) {
  HWND after = where == kZOrderBottom ? HWND_BOTTOM : where == kZOrderNotTopmost ? HWND_NOTOPMOST : nullptr;
  if (after) SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

qv::BmpFileBytes WindowSnapshotBytes() {
  const int w = ScreenWidth();
  const int h = ScreenHeight();
  DeclaredGdi::WindowDc screen(nullptr);
  DeclaredGdi::Bitmap shot(gdi::CreateCompatibleBitmap(screen.get(), w, h));
  if (!shot) return {};
  {
    const DeclaredGdi::MemoryDc memory = DeclaredGdi::memoryDcFor(screen.get());
    DeclaredGdi::Selection into(memory.get(), shot.get());
    gdi::BitBlt(memory.get(), 0, 0, w, h, screen.get(), 0, 0, SRCCOPY);
  }
  return BitmapFileBytes(shot.get());
}

void SetWindowAlpha(HWND window, int alpha) {
  if (!window) return;
  // Restyling a window that already has exactly this style would only restack it.
  if (GetWindowLongPtrW(window, GWL_EXSTYLE) != WS_EX_LAYERED) SetWindowLongPtrW(window, GWL_EXSTYLE, WS_EX_LAYERED);
  SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

void DelayWithEvents(DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (GetTickCount() - start > ms) return;
    Sleep(1);
  }
}

namespace {

struct Started {
  std::function<void()> routine;
  HMODULE pinned;
};

// The thread holds a reference to the module whose code it runs and gives it back as it
// exits, from the system's code: a host may free the library as soon as JQMBT returns,
// while the thread still has a step to finish.
DWORD WINAPI RunRoutine(void* parameter) {
  HMODULE pinned = nullptr;
  {
    std::unique_ptr<Started> started(static_cast<Started*>(parameter));
    pinned = started->pinned;
    try {
      started->routine();
    } catch (...) {
      // Nothing leaves a thread of ours: the animation it ran just stops.
    }
  }
  FreeLibraryAndExitThread(pinned, 0);
}

}  // namespace

bool StartThread(std::function<void()> routine) {
  auto started = std::make_unique<Started>(Started{std::move(routine), nullptr});
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&RunRoutine),
                          &started->pinned))
    return false;
  qv::win::UniqueModule pinned(started->pinned);
  const qv::win::UniqueKernelHandle thread(CreateThread(nullptr, 0, &RunRoutine, started.get(), 0, nullptr));
  if (!thread) return false;
  static_cast<void>(pinned.release());   // the thread gives it back
  static_cast<void>(started.release());  // the thread's now
  return true;
}

void LockRedraw(HWND window) { LockWindowUpdate(window); }
void UnlockRedraw() { LockWindowUpdate(nullptr); }

}  // namespace pixfarrow::capture
