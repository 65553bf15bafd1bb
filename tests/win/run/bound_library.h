#pragma once
// The built Pixfarrow.dll loaded and bound into the program's function table, as the
// program's start-up binds it.
#include <windows.h>

#include "tests/win/library/pixfarrow_dll.h"

namespace qv::test {

// Loads the DLL and fills every slot; false when something is missing.
bool BindPixfarrow(const PixfarrowDll& dll);

}  // namespace qv::test
