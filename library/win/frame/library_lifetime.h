#pragma once
// What loading and unloading Pixfarrow.dll do to the host process (called from DllMain),
// and the part of the start-up that waits for the library's first use.
#include <windows.h>

namespace pixfarrow::win {

// On attach, on the loading thread, under the loader lock: only what needs no other
// library's start-up and no window. The host executable's folder becomes the current
// directory, the loading thread is recorded, SetProcessDPIAware (a DPI awareness the host
// chose earlier stays). Nothing here fails the load.
void LibraryStartup(HINSTANCE library);

// The rest of the start-up, OLE and HiddenOwnerWindow, made on the first call into the
// library on the loading thread, so that both belong to it as they would at load. A call on
// another thread does nothing: a window made there would end with that thread.
void CompleteStartup();

// On detach. When the library is unloaded the shutdown hooks run, then the frame frees
// its own state; when the whole process is ending nothing is freed (other threads are
// gone and the system reclaims everything).
void LibraryShutdown(bool processEnding);

DWORD LoadingThreadId();

}  // namespace pixfarrow::win
