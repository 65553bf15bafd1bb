#include "app/win/framework/system_library.h"

#include <string>

namespace quorvela::win {

UniqueModule LoadSystemLibrary(const wchar_t* fileName) {
  std::wstring path(MAX_PATH, L'\0');
  const UINT length = GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
  if (length == 0 || length >= path.size()) return UniqueModule();
  path.resize(length);
  path += L'\\';
  path += fileName;
  return UniqueModule(LoadLibraryW(path.c_str()));
}

}  // namespace quorvela::win
