#include "app/win/target_image/target_image_file.h"

#include <windows.h>

#include <algorithm>

#include "app/core/target_image/largest_target.h"
#include "app/win/platform/program_folder.h"
#include "app/win/platform/read_file_bytes.h"
#include "app/win/platform/replace_file_bytes.h"
#include "app/win/platform/write_file_in_place.h"

namespace quorvela::win {

std::wstring TargetImagePath() {
  const std::wstring folder = ProgramFolder();
  if (folder.empty()) return {};
  return folder + L"目标图.bmp";
}

std::uint64_t LargestTargetBytes() {
  const auto largest = [](int screen, int virtualScreen, int window) {
    return std::max({GetSystemMetrics(screen), GetSystemMetrics(virtualScreen), GetSystemMetrics(window)});
  };
  return LargestCaptureFileBytes(largest(SM_CXSCREEN, SM_CXVIRTUALSCREEN, SM_CXMAXTRACK),
                                 largest(SM_CYSCREEN, SM_CYVIRTUALSCREEN, SM_CYMAXTRACK));
}

void LoadTargetImageFile(RunState& state) {
  const std::wstring path = TargetImagePath();
  state.targetImage.replace(path.empty() ? ByteBuffer{} : ReadFileBytes(path, LargestTargetBytes()));
}

bool StoreTargetImageFile(const ByteBuffer& bytes) {
  const std::wstring path = TargetImagePath();
  if (path.empty()) return false;
  // A folder that refuses new files, a path too long for a temporary name beside it, a file
  // open without delete sharing: the old file cannot be replaced whole.
  return ReplaceFileBytes(path, bytes) || WriteFileInPlace(path, bytes);
}

}  // namespace quorvela::win
