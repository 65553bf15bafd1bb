#pragma once
// What the target-image buttons and the start-up do with the run state, with everything
// outside the state (library, window capture, run log, preview, file) passed in.
#include <cstdint>
#include <functional>
#include <string_view>

#include "app/core/object/byte_buffer.h"
#include "app/core/run/run_state.h"
#include "app/core/run/run_texts.h"
#include "app/core/target_image/captured_bytes.h"

namespace quorvela {

inline constexpr std::string_view kWindowFoundAtStartLine = "[提示]已找到微信窗口，请保持非最小化状态";
inline constexpr std::string_view kWindowMissingAtStartLine = "[警告]没有找到微信窗口，请您打开微信";
inline constexpr std::string_view kTestFoundLine = "[提示]找图结果：已找到";
inline constexpr std::string_view kTestNotFoundLine = "[错误]找图结果：未找到";
inline constexpr std::string_view kTestSentLine = "[提示]已按下发送键";

struct TargetImagePorts {
  std::function<const char*()> runCapture;  // JQMBT: blocks until the selection is made
  MemoryReader readMemory;
  std::function<std::uint32_t()> searchWindow;  // QWXJB
  // The run road's window search: rewrites RunState::windowHandle, logs its own error.
  std::function<int()> findWeChatWindow;
  std::function<void()> captureWeChatWindow;  // replaces RunState::screenshot
  std::function<int(const ByteBuffer& shot, const ByteBuffer& target)> findImageInShot;
  std::function<void(std::uint32_t window)> pressSendKey;
  std::function<void(int type, std::string_view utf8)> appendRunLog;
  // Shows the bytes in the preview; true when it now holds a picture of at least 1 x 1.
  std::function<bool(const ByteBuffer&)> showPicture;
  std::function<void()> showPlaceholder;
  std::function<void(const ByteBuffer&)> writeTargetFile;
};

enum class TargetButton { Capture, TestFind, TestSend, Other };

// Start-up: the first window search, logged as a warning when it finds nothing.
void ReportStartupWindow(RunState& state, const TargetImagePorts& ports);
// Start-up: the stored target in the preview, or the placeholder when it shows nothing.
void ShowStoredTarget(const RunState& state, const TargetImagePorts& ports);

// A copy of the captured bytes, or empty.
ByteBuffer CaptureTargetImage(const TargetImagePorts& ports);

void CaptureNewTarget(RunState& state, const TargetImagePorts& ports);
void TestFind(RunState& state, const TargetImagePorts& ports);
void TestSend(RunState& state, const TargetImagePorts& ports);

// The button's action; any other sender does nothing. Always 0.
std::int32_t OnTargetImageButton(TargetButton sender, RunState& state, const TargetImagePorts& ports);

}  // namespace quorvela
