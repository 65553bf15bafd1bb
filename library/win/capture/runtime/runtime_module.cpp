#include "library/win/capture/runtime/runtime_module.h"

namespace pixfarrow::capture {

HINSTANCE RuntimeModule() {
  static const HINSTANCE module = [] {
    HMODULE found = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&RuntimeModule), &found);
    return found;
  }();
  return module;
}

}  // namespace pixfarrow::capture
