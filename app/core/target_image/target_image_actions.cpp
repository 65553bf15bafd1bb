#include "app/core/target_image/target_image_actions.h"

namespace quorvela {

void ReportStartupWindow(RunState& state, TargetImagePort& port) {
  state.windowHandle = port.searchWindow();
  if (state.windowHandle != 0) {
    port.appendRunLog(kLogInformation, kWindowFoundAtStartLine);
  } else {
    port.appendRunLog(kLogWarning, kWindowMissingAtStartLine);
  }
}

void ShowStoredTarget(const RunState& state, TargetImagePort& port) {
  if (!port.showPicture(*state.targetImage.snapshot())) port.showPlaceholder();
}

ByteBuffer CaptureTargetImage(TargetImagePort& port) {
  return CapturedBytesFromText(port.runCapture(), [&port](std::uint32_t address, std::int32_t length) {
    return port.readMemory(address, length);
  });
}

void CaptureNewTarget(RunState& state, TargetImagePort& port) {
  state.targetImage.replace(CaptureTargetImage(port));
  const auto target = state.targetImage.snapshot();
  port.writeTargetFile(*target);
  // An empty or undecodable capture leaves the preview blank, not the placeholder.
  port.showPicture(*target);
}

void TestFind(RunState& state, TargetImagePort& port) {
  if (state.targetImage.size() == 0) {
    port.appendRunLog(kLogError, kTargetImageMissing);
    return;
  }
  if (port.findWeChatWindow() == 0) return;
  port.captureWeChatWindow();
  const auto shot = state.screenshot.snapshot();
  const auto target = state.targetImage.snapshot();
  if (port.findImageInShot(*shot, *target) != 0) {
    port.appendRunLog(kLogInformation, kTestFoundLine);
  } else {
    port.appendRunLog(kLogError, kTestNotFoundLine);
  }
}

void TestSend(RunState& state, TargetImagePort& port) {
  if (port.findWeChatWindow() == 0) return;
  port.pressSendKey(state.windowHandle);
  port.appendRunLog(kLogInformation, kTestSentLine);
}

std::int32_t OnTargetImageButton(TargetButton sender, RunState& state, TargetImagePort& port) {
  switch (sender) {
    case TargetButton::Capture:
      CaptureNewTarget(state, port);
      break;
    case TargetButton::TestFind:
      TestFind(state, port);
      break;
    case TargetButton::TestSend:
      TestSend(state, port);
      break;
    case TargetButton::Other: break;
  }
  return 0;
}

}  // namespace quorvela
