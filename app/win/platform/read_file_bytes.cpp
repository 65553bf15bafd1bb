#include "app/win/platform/read_file_bytes.h"

#include <windows.h>

#include <cstdint>
#include <limits>

#include "common/win/kernel_owners.h"

namespace quorvela::win {

ByteBuffer ReadFileBytes(const std::wstring& path, std::uint64_t mostBytes) {
  const qv::win::UniqueKernelHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 ||
      size.QuadPart > std::numeric_limits<std::int32_t>::max() ||
      static_cast<std::uint64_t>(size.QuadPart) > mostBytes) {
    return {};
  }
  ByteBuffer bytes(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read, nullptr) ||
        read == 0) {
      return {};
    }
    done += read;
  }
  return bytes;
}

}  // namespace quorvela::win
