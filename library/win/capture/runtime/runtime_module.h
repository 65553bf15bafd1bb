#pragma once
// The module (DLL or program) that holds the window runtime, for its window classes.
#include <windows.h>

namespace pixfarrow::capture {

HINSTANCE RuntimeModule();

}  // namespace pixfarrow::capture
