#include "library/win/frame/library_lifetime.h"

#include <ole2.h>

#include <atomic>
#include <string>

#include "library/win/frame/declared_call.h"
#include "library/win/frame/hidden_owner_window.h"
#include "library/win/frame/module_folder.h"
#include "library/win/frame/shutdown_hooks.h"

namespace pixfarrow::win {

namespace {

HINSTANCE gLibrary = nullptr;
std::atomic<DWORD> gLoadingThread{0};
// Written by the loading thread only.
std::atomic<bool> gStartupComplete{false};

}  // namespace

void LibraryStartup(HINSTANCE library) {
  gLibrary = library;
  gLoadingThread.store(GetCurrentThreadId(), std::memory_order_release);
  const std::string folder = HostExecutableFolderA();
  if (!folder.empty()) SetCurrentDirectoryA(folder.c_str());
  // Once; when the host chose a DPI awareness before, the system keeps that one. Through
  // the import: user32 started before us, while a declared call would load libraries.
  SetProcessDPIAware();
}

void CompleteStartup() {
  if (gStartupComplete.load(std::memory_order_acquire)) return;
  if (GetCurrentThreadId() != gLoadingThread.load(std::memory_order_acquire)) return;
  gStartupComplete.store(true, std::memory_order_release);
  OleInitialize(nullptr);
  CreateHiddenOwnerWindow(gLibrary);
}

void LibraryShutdown(bool processEnding) {
  if (processEnding) return;
  RunShutdownHooks();
  DestroyHiddenOwnerWindow();
  ReleaseDeclaredCalls();
}

DWORD LoadingThreadId() { return gLoadingThread.load(std::memory_order_acquire); }

}  // namespace pixfarrow::win
