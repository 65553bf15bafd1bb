#include "app/win/platform/write_file_in_place.h"

#include <windows.h>

#include "app/core/framework/in_place_rewrite.h"
#include "app/win/platform/write_all_bytes.h"
#include "common/win/kernel_owners.h"

namespace quorvela::win {

namespace {

class OpenFile : public RewritableFile {
 public:
  explicit OpenFile(HANDLE file) : file_(file) {}

  std::optional<std::uint64_t> size() override {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file_, &size)) return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
  }
  bool resize(std::uint64_t size) override { return moveTo(size) && SetEndOfFile(file_); }
  bool writeFromStart(const ByteBuffer& bytes) override { return moveTo(0) && WriteAllBytes(file_, bytes); }
  bool flush() override { return FlushFileBuffers(file_) != 0; }

 private:
  bool moveTo(std::uint64_t offset) {
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(file_, at, nullptr, FILE_BEGIN) != 0;
  }

  HANDLE file_;
};

}  // namespace

bool WriteFileInPlace(const std::wstring& path, const ByteBuffer& bytes) {
  if (path.empty()) return false;
  const qv::win::UniqueKernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE,
                                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                     OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  OpenFile open(file.get());
  return RewriteInPlace(open, bytes);
}

}  // namespace quorvela::win
