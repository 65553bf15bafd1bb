#pragma once
// Window classes of the runtime: registered once on first use, unregistered when the
// library unloads, so a later load of the library never meets a stale procedure.
#include <windows.h>

namespace pixfarrow::capture {

void RegisterRuntimeClass(const wchar_t* name, WNDPROC procedure, HBRUSH background = nullptr);

void UnregisterRuntimeClasses();

}  // namespace pixfarrow::capture
