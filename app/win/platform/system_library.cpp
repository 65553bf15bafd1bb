#include "app/win/platform/system_library.h"

#include <string>

namespace quorvela::win {

qv::win::UniqueModule LoadSystemLibrary(const wchar_t* fileName) {
  std::wstring path(MAX_PATH, L'\0');
  const UINT length = GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
  if (length == 0 || length >= path.size()) return qv::win::UniqueModule();
  path.resize(length);
  path += L'\\';
  path += fileName;
  return qv::win::UniqueModule(LoadLibraryW(path.c_str()));
}

}  // namespace quorvela::win
