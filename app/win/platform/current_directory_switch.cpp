#include "app/win/platform/current_directory_switch.h"

#include <windows.h>

namespace quorvela::win {

namespace {

// The whole directory, however long (not cut at 260 characters).
bool readCurrentDirectory(std::wstring& out) {
  std::wstring buffer(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 4; ++attempt) {
    const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length == 0) return false;
    if (length < buffer.size()) {
      buffer.resize(length);
      out = std::move(buffer);
      return true;
    }
    buffer.assign(length, L'\0');  // length includes the terminator here
  }
  return false;
}

}  // namespace

CurrentDirectorySwitch::CurrentDirectorySwitch(const std::wstring& folder) {
  if (!readCurrentDirectory(before_)) return;
  SetCurrentDirectoryW(folder.c_str());
}

CurrentDirectorySwitch::~CurrentDirectorySwitch() {
  // Restored even when the switch itself failed: the library's start-up may have moved it.
  if (!before_.empty()) SetCurrentDirectoryW(before_.c_str());
}

}  // namespace quorvela::win
