#include "tests/win/app/target_image/file_folder.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace qv::test {

namespace {
struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};
using UniqueStdFile = std::unique_ptr<FILE, FileCloser>;
}  // namespace

std::vector<std::wstring> FileNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

bool WriteWholeFile(const std::wstring& path, const quorvela::ByteBuffer& bytes) {
  UniqueStdFile file(_wfopen(path.c_str(), L"wb"));
  if (!file) return false;
  const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  return std::fclose(file.release()) == 0 && ok;
}

bool WriteSparseFile(const std::wstring& path, std::int64_t size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER end{};
  end.QuadPart = size;
  const bool ok = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  return CloseHandle(file) && ok;
}

quorvela::ByteBuffer PlainRead(const std::wstring& path) {
  quorvela::ByteBuffer bytes;
  UniqueStdFile file(_wfopen(path.c_str(), L"rb"));
  if (!file) return bytes;
  unsigned char chunk[4096];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0;) {
    bytes.insert(bytes.end(), chunk, chunk + n);
  }
  return bytes;
}

quorvela::ByteBuffer Pattern(std::size_t size, unsigned seed) {
  quorvela::ByteBuffer bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 31 + seed);
  return bytes;
}

}  // namespace qv::test
