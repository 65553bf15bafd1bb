// Start-up and unload of Pixfarrow.dll.
#include <windows.h>

#include "library/core/process_events.h"
#include "library/win/frame/library_lifetime.h"
#include "library/win/frame/message_pump.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  // Nothing fails the load, and no exception may leave through the loader's frames.
  try {
    switch (reason) {
      case DLL_PROCESS_ATTACH:
        DisableThreadLibraryCalls(instance);
        pixfarrow::win::LibraryStartup(instance);
        pixfarrow::SetProcessEventsHandler(&pixfarrow::win::DispatchPendingMessages);
        break;
      case DLL_PROCESS_DETACH:
        // reserved is non-null when the process is ending rather than unloading us.
        pixfarrow::win::LibraryShutdown(reserved != nullptr);
        break;
      default:
        break;
    }
  } catch (...) {
  }
  return TRUE;
}
