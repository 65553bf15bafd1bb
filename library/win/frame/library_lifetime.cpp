#include "library/win/frame/library_lifetime.h"

#include <ole2.h>

#include <string>

#include "library/win/frame/declared_call.h"
#include "library/win/frame/hidden_owner_window.h"
#include "library/win/frame/module_folder.h"
#include "library/win/frame/shutdown_hooks.h"

namespace pixfarrow::win {

namespace {

bool gOleStarted = false;
DWORD gLoadingThread = 0;

}  // namespace

void LibraryStartup(HINSTANCE library) {
  if (!gOleStarted) {
    gOleStarted = true;
    OleInitialize(nullptr);
  }
  const std::string folder = HostExecutableFolderA();
  if (!folder.empty()) SetCurrentDirectoryA(folder.c_str());
  CreateHiddenOwnerWindow(library);
  gLoadingThread = GetCurrentThreadId();
  // Once; when the host chose a DPI awareness before, the system keeps that one.
  Declared<api::SetProcessDPIAware>()();
}

void LibraryShutdown(bool processEnding) {
  if (processEnding) return;
  RunShutdownHooks();
  DestroyHiddenOwnerWindow();
  ReleaseDeclaredCalls();
}

DWORD LoadingThreadId() { return gLoadingThread; }

}  // namespace pixfarrow::win
