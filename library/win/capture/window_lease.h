#pragma once
// The capture windows' animation threads hold their windows through the shared lease.
#include "common/win/window_lease.h"

namespace pixfarrow::capture {

using qv::win::WindowLease;

}  // namespace pixfarrow::capture
