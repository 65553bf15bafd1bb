#include "tests/win/library/pixfarrow_dll.h"

#include "tests/support/standin_client.h"

namespace qv::test {

std::wstring PixfarrowDllPath() {
  const std::wstring relative = ProgramFolder() + L"..\\dist\\Quorvela\\\u6A21\u5757\\Pixfarrow.dll";  // 模块
  wchar_t full[MAX_PATH * 2];
  const DWORD n = GetFullPathNameW(relative.c_str(), MAX_PATH * 2, full, nullptr);
  return n > 0 && n < MAX_PATH * 2 ? std::wstring(full, n) : relative;
}

PixfarrowDll::PixfarrowDll() : module_(LoadLibraryW(PixfarrowDllPath().c_str())) {}

PixfarrowDll::~PixfarrowDll() { Unload(); }

void PixfarrowDll::Unload() {
  if (module_) FreeLibrary(module_);
  module_ = nullptr;
}

}  // namespace qv::test
