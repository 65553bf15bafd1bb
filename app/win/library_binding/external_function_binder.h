#pragma once
// Binds the library functions of the program before any window exists.
#include <windows.h>

#include <array>
#include <vector>

#include "app/core/library_binding/external_function_rows.h"
#include "common/win/kernel_owners.h"

namespace quorvela::win {

struct ExternalFunctionTable {
  std::array<FARPROC, kExternalFunctionRows.size()> address{};
  FARPROC operator[](ExternalFunction f) const { return address[static_cast<std::size_t>(f)]; }
};

using BoundLibraries = std::vector<qv::win::UniqueModule>;

// Fills every slot; 1 when all are bound, else raises a CVolException with the load or
// export failure text. Loaded modules go to libraries.
int ExternalFunctionBinder(ExternalFunctionTable& table, BoundLibraries& libraries);

}  // namespace quorvela::win
