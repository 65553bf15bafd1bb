#pragma once
// Owners for the kernel handles that tests open.
#include <windows.h>

#include "common/win/unique_handle.h"

namespace qv::test {

struct KernelHandleTraits {
  static void close(HANDLE handle) { CloseHandle(handle); }
};

// INVALID_HANDLE_VALUE (what CreateFile gives on failure) is held as no handle.
class UniqueHandle : public qv::win::UniqueHandleOf<HANDLE, KernelHandleTraits> {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE h) : UniqueHandleOf(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
};

}  // namespace qv::test
