#include "app/win/handlers/startup_steps.h"

#include <string>

#include "app/win/framework/unique_handles.h"
#include "app/win/program/application.h"
#include "app/win/program/run_log.h"
#include "app/win/run/library_calls.h"

namespace quorvela::win {

namespace {

constexpr char kWeChatWindowFound[] = "[提示]已找到微信窗口，请保持非最小化状态";
constexpr char kWeChatWindowNotFound[] = "[警告]没有找到微信窗口，请您打开微信";
// Far beyond any target; a larger file is not read.
constexpr LONGLONG kMostTargetBytes = 256LL << 20;

std::wstring targetImagePath() {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  if (length == 0 || length >= path.size()) return {};
  path.resize(length);
  path.resize(path.find_last_of(L'\\') + 1);
  return path + L"\u76EE\u6807\u56FE.bmp";  // 目标图.bmp
}

ByteBuffer readWholeFile(const std::wstring& path) {
  HANDLE opened =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return {};
  const UniqueKernelHandle file(opened);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 || size.QuadPart > kMostTargetBytes) return {};
  ByteBuffer bytes(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size()) {
    return {};
  }
  return bytes;
}

}  // namespace

void LoadStartupTargetImage(RunState& state) {
  const std::wstring path = targetImagePath();
  state.targetImage.replace(path.empty() ? ByteBuffer{} : readWholeFile(path));
}

void BindTargetImageHandlerAtStartup(RunState& state) {
  const std::uint32_t window = CallQwxjb();
  state.windowHandle.store(window);
  if (window != 0) {
    AppendRunLog(2, kWeChatWindowFound);
  } else {
    AppendRunLog(1, kWeChatWindowNotFound);
  }
}

void BindTimedRunHandlerAtStartup() { theApplication().components.handlerSet.timedRunHandler.BindTimedRunHandler(); }

}  // namespace quorvela::win
