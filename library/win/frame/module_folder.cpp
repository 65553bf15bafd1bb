#include "library/win/frame/module_folder.h"

#include <windows.h>

#include <vector>

namespace pixfarrow::win {

std::string FolderOfAnsiPath(std::string_view path, LeadBytePredicate isLeadByte) {
  std::size_t end = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<unsigned char>(path[i]);
    if (isLeadByte(byte) && i + 1 < path.size()) {
      ++i;
    } else if (byte == '\\' || byte == '/') {
      end = i + 1;
    }
  }
  return std::string(path.substr(0, end));
}

std::string HostExecutableFolderA() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) {
      return FolderOfAnsiPath(std::string_view(buffer.data(), n),
                              [](unsigned char b) { return IsDBCSLeadByte(b) != FALSE; });
    }
    if (buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace pixfarrow::win
