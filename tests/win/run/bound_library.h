#pragma once
// The built Pixfarrow.dll loaded and bound into a library object, as the program's start-up
// binds it.
#include <windows.h>

#include "app/win/library_binding/bound_library.h"
#include "tests/win/library/pixfarrow_dll.h"

namespace qv::test {

// Fills every slot of library from the loaded DLL; false when something is missing.
bool BindPixfarrow(const PixfarrowDll& dll, quorvela::win::BoundLibrary& library);

}  // namespace qv::test
