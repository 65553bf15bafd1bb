// Makes one declared call that cannot succeed, so a test can read the fatal error box:
//   qv_fatal_probe missing-library | missing-function | stack
#include <windows.h>

#include <cstring>

#include "library/win/frame/declared_call.h"

namespace {

using pixfarrow::win::DeclaredEntry;
using pixfarrow::win::DeclaredOutside;

int Probe(const char* mode) {
  std::atomic<const void*> slot{nullptr};
  if (std::strcmp(mode, "missing-library") == 0) {
    static constexpr DeclaredEntry entry{"qv_no_such_library.dll", "Nothing"};
    return DeclaredOutside<BOOL(WINAPI*)()>(entry, slot)();
  }
  if (std::strcmp(mode, "missing-function") == 0) {
    static constexpr DeclaredEntry entry{"kernel32.dll", "QvNoSuchFunction"};
    return DeclaredOutside<BOOL(WINAPI*)()>(entry, slot)();
  }
  if (std::strcmp(mode, "stack") == 0) {
    // msvcrt's strlen leaves its argument to the caller; declared stdcall it cannot match.
    static constexpr DeclaredEntry entry{"msvcrt.dll", "strlen"};
    return static_cast<int>(DeclaredOutside<std::size_t(WINAPI*)(const char*)>(entry, slot)("abc"));
  }
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  Probe(argv[1]);
  return 0;  // not reached when the probe works
}
