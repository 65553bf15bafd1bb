#pragma once
// Owners of kernel handles and loaded libraries. Both deliverables close them with the
// runtime's own imports (CloseHandle, FreeLibrary).
#include <windows.h>

#include "common/win/unique_handle.h"

namespace qv::win {

struct KernelHandleTraits {
  static void close(HANDLE handle) { CloseHandle(handle); }
};

// A file, process, thread, event, timer or snapshot. INVALID_HANDLE_VALUE, with which
// CreateFileW and CreateToolhelp32Snapshot fail, is held as no handle.
class UniqueKernelHandle : public UniqueHandleOf<HANDLE, KernelHandleTraits> {
 public:
  UniqueKernelHandle() = default;
  explicit UniqueKernelHandle(HANDLE handle) : UniqueHandleOf(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
};

struct ModuleTraits {
  static void close(HMODULE module) { FreeLibrary(module); }
};

// One reference to a loaded library file.
using UniqueModule = UniqueHandleOf<HMODULE, ModuleTraits>;

}  // namespace qv::win
