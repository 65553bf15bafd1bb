#include "app/win/program/target_image_file.h"

#include "app/win/framework/program_folder.h"
#include "app/win/framework/read_file_bytes.h"
#include "app/win/framework/replace_file_bytes.h"

namespace quorvela::win {

std::wstring TargetImagePath() {
  const std::wstring folder = ProgramFolder();
  if (folder.empty()) return {};
  return folder + L"目标图.bmp";
}

void LoadTargetImageFile(RunState& state) {
  const std::wstring path = TargetImagePath();
  state.targetImage.replace(path.empty() ? ByteBuffer{} : ReadFileBytes(path));
}

void StoreTargetImageFile(const ByteBuffer& bytes) {
  const std::wstring path = TargetImagePath();
  if (!path.empty()) ReplaceFileBytes(path, bytes);
}

}  // namespace quorvela::win
