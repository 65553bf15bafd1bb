#pragma once
// The capture's GDI: the library's declared calls, and the shared owners over them.
#include "library/win/frame/declared_gdi.h"

namespace pixfarrow::capture {

using gdi = win::DeclaredGdiCalls;
using win::DeclaredGdi;

}  // namespace pixfarrow::capture
