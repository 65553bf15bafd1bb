#pragma once
// The bitmap class's screen DC, and the shared GDI owners over the declared calls that the
// class's GDI half uses.
#include <windows.h>

#include "library/win/frame/declared_gdi.h"

namespace pixfarrow::win {

using ScreenDc = DeclaredGdi::WindowDc;

// GetDC(NULL); empty when it fails.
ScreenDc TakeScreenDc();

}  // namespace pixfarrow::win
