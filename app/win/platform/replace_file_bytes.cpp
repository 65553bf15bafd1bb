#include "app/win/platform/replace_file_bytes.h"

#include <windows.h>

#include "app/win/platform/write_all_bytes.h"
#include "common/win/kernel_owners.h"

namespace quorvela::win {

namespace {

// The temporary file, deleted unless it has been renamed into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::wstring path) : path_(std::move(path)) {}
  ~TemporaryFile() {
    if (!path_.empty()) DeleteFileW(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  const std::wstring& path() const { return path_; }
  void release() { path_.clear(); }

 private:
  std::wstring path_;
};

std::wstring folderOf(const std::wstring& path) {
  const auto cut = path.rfind(L'\\');
  return cut == std::wstring::npos ? std::wstring(L".") : path.substr(0, cut);
}

// A new, empty, uniquely named file in the folder ("目标图XXXX.tmp" for "目标图.bmp").
std::wstring createTemporaryFile(const std::wstring& path) {
  const auto cut = path.rfind(L'\\');
  const std::wstring prefix = path.substr(cut == std::wstring::npos ? 0 : cut + 1, 3);
  std::wstring temporary(MAX_PATH, L'\0');
  if (GetTempFileNameW(folderOf(path).c_str(), prefix.c_str(), 0, temporary.data()) == 0) return {};
  temporary.resize(wcslen(temporary.c_str()));
  return temporary;
}

}  // namespace

bool ReplaceFileBytes(const std::wstring& path, const ByteBuffer& bytes) {
  if (path.empty()) return false;
  TemporaryFile temporary(createTemporaryFile(path));
  if (temporary.path().empty()) return false;
  {
    const qv::win::UniqueKernelHandle file(CreateFileW(temporary.path().c_str(), GENERIC_WRITE, 0, nullptr,
                                                       TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || !WriteAllBytes(file.get(), bytes) || !FlushFileBuffers(file.get())) return false;
  }
  if (!MoveFileExW(temporary.path().c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return false;
  }
  temporary.release();
  return true;
}

}  // namespace quorvela::win
