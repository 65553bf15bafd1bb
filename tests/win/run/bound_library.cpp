#include "tests/win/run/bound_library.h"

#include <string>

#include "app/core/library_binding/external_function_rows.h"

namespace qv::test {

bool BindPixfarrow(const PixfarrowDll& dll, quorvela::win::BoundLibrary& library) {
  if (!dll.module()) return false;
  auto& table = library.table();
  for (std::size_t row = 0; row < quorvela::kExternalFunctionRows.size(); ++row) {
    const std::string name(quorvela::kExternalFunctionRows[row].exportName);
    table.address[row] = GetProcAddress(dll.module(), name.c_str());
    if (!table.address[row]) return false;
  }
  return true;
}

}  // namespace qv::test
