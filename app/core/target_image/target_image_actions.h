#pragma once
// What the target-image buttons and the start-up do with the run state, with everything
// outside the state (library, window capture, run log, preview, file) behind one port.
#include <cstdint>
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

// What the target-image buttons and the start-up ask of the rest of the program: the
// target-image handler implements it over its preview and the links start-up gives it.
class TargetImagePort {
 public:
  virtual ~TargetImagePort() = default;
  // JQMBT: blocks until the selection is made; the address of its result text.
  virtual const char* runCapture() = 0;
  // Copies length (> 0) bytes at address of this process; empty when any cannot be read.
  virtual ByteBuffer readMemory(std::uint32_t address, std::int32_t length) = 0;
  // QWXJB.
  virtual std::uint32_t searchWindow() = 0;
  // The run road's window search: rewrites RunState::windowHandle, logs its own error.
  virtual std::int32_t findWeChatWindow() = 0;
  // Replaces RunState::screenshot.
  virtual void captureWeChatWindow() = 0;
  virtual std::int32_t findImageInShot(const ByteBuffer& shot, const ByteBuffer& target) = 0;
  virtual void pressSendKey(std::uint32_t window) = 0;
  virtual void appendRunLog(int type, std::string_view utf8) = 0;
  // Shows the bytes in the preview; true when it now holds a picture of at least 1 x 1.
  virtual bool showPicture(const ByteBuffer& bytes) = 0;
  virtual void showPlaceholder() = 0;
  virtual void writeTargetFile(const ByteBuffer& bytes) = 0;
};

enum class TargetButton { Capture, TestFind, TestSend, Other };

// Start-up: the first window search, logged as a warning when it finds nothing.
void ReportStartupWindow(RunState& state, TargetImagePort& port);
// Start-up: the stored target in the preview, or the placeholder when it shows nothing.
void ShowStoredTarget(const RunState& state, TargetImagePort& port);

// A copy of the captured bytes, or empty.
ByteBuffer CaptureTargetImage(TargetImagePort& port);

void CaptureNewTarget(RunState& state, TargetImagePort& port);
void TestFind(RunState& state, TargetImagePort& port);
void TestSend(RunState& state, TargetImagePort& port);

// The button's action; any other sender does nothing. Always 0.
std::int32_t OnTargetImageButton(TargetButton sender, RunState& state, TargetImagePort& port);

}  // namespace quorvela
