#pragma once
// The library's owner of a loaded library file: the shared one.
#include "common/win/kernel_owners.h"

namespace pixfarrow::win {

using qv::win::UniqueModule;

}  // namespace pixfarrow::win
