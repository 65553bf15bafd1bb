// A stand-in for Pixfarrow.dll: the four functions the program binds, and the one effect
// of the real library's start-up that the binder must undo: the current directory moves to
// the host program's folder while the library loads.
#include <windows.h>

#include <string>

extern "C" {
int __stdcall JPXX(int) { return 0; }
int __stdcall JQMBT() { return 0; }
int __stdcall QWXJB() { return 0; }
#ifndef QV_STUB_WITHOUT_ZT
int __stdcall ZT(int, int, int, int) { return 0; }
#endif
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    std::wstring host(MAX_PATH, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, host.data(), static_cast<DWORD>(host.size()));
    host.resize(length);
    const auto cut = host.rfind(L'\\');
    if (cut != std::wstring::npos) SetCurrentDirectoryW(host.substr(0, cut).c_str());
  }
  return TRUE;
}
