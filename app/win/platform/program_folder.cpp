#include "app/win/platform/program_folder.h"

#include <windows.h>

namespace quorvela::win {

std::optional<std::wstring> ProgramFilePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::nullopt;
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    if (path.size() >= 32768) return std::nullopt;
    path.resize(path.size() * 2);
  }
}

std::wstring ProgramFolder() {
  const auto path = ProgramFilePath();
  if (!path) return {};
  const auto cut = path->rfind(L'\\');
  if (cut == std::wstring::npos) return {};
  return path->substr(0, cut + 1);
}

}  // namespace quorvela::win
