#pragma once
// What loading and unloading Pixfarrow.dll do to the host process (called from DllMain).
#include <windows.h>

namespace pixfarrow::win {

// On attach, on the loading thread: OLE once per process, the host executable's folder
// as current directory, HiddenOwnerWindow, the loading thread's id, SetProcessDPIAware
// (a DPI awareness the host chose earlier stays). Nothing here fails the load.
void LibraryStartup(HINSTANCE library);

// On detach. When the library is unloaded the shutdown hooks run, then the frame frees
// its own state; when the whole process is ending nothing is freed (other threads are
// gone and the system reclaims everything).
void LibraryShutdown(bool processEnding);

DWORD LoadingThreadId();

}  // namespace pixfarrow::win
