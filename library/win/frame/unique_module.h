#pragma once
// Owner of one reference to a loaded library file.
#include <windows.h>

#include "common/win/unique_handle.h"

namespace pixfarrow::win {

struct ModuleTraits {
  static void close(HMODULE module) { FreeLibrary(module); }
};
using UniqueModule = qv::win::UniqueHandleOf<HMODULE, ModuleTraits>;

}  // namespace pixfarrow::win
