#pragma once
// A library of the system, loaded from the system folder only: never a file of that name
// in the program's folder or on the search path.
#include "common/win/kernel_owners.h"

namespace quorvela::win {

// Null when the system folder cannot be had or the library is not there.
qv::win::UniqueModule LoadSystemLibrary(const wchar_t* fileName);

}  // namespace quorvela::win
