#include "app/win/framework/read_file_bytes.h"

#include <windows.h>

#include <cstdint>
#include <limits>
#include <new>

#include "app/win/framework/unique_handles.h"

namespace quorvela::win {

ByteBuffer ReadFileBytes(const std::wstring& path) {
  const UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 ||
      size.QuadPart > std::numeric_limits<std::int32_t>::max()) {
    return {};
  }
  ByteBuffer bytes;
  try {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
  } catch (const std::bad_alloc&) {
    return {};  // more than this process can hold: unreadable
  }
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
