#include "app/core/target_image/target_image_actions.h"

namespace quorvela {

void ReportStartupWindow(RunState& state, const TargetImagePorts& ports) {
  state.windowHandle = ports.searchWindow();
  if (state.windowHandle != 0) {
    ports.appendRunLog(kLogInformation, kWindowFoundAtStartLine);
  } else {
    ports.appendRunLog(kLogWarning, kWindowMissingAtStartLine);
  }
}

void ShowStoredTarget(const RunState& state, const TargetImagePorts& ports) {
  if (!ports.showPicture(*state.targetImage.snapshot())) ports.showPlaceholder();
}

ByteBuffer CaptureTargetImage(const TargetImagePorts& ports) {
  return CapturedBytesFromText(ports.runCapture(), ports.readMemory);
}

void CaptureNewTarget(RunState& state, const TargetImagePorts& ports) {
  state.targetImage.replace(CaptureTargetImage(ports));
  const auto target = state.targetImage.snapshot();
  ports.writeTargetFile(*target);
  // An empty or undecodable capture leaves the preview blank, not the placeholder.
  ports.showPicture(*target);
}

void TestFind(RunState& state, const TargetImagePorts& ports) {
  if (state.targetImage.size() == 0) {
    ports.appendRunLog(kLogError, kTargetImageMissing);
    return;
  }
  if (ports.findWeChatWindow() == 0) return;
  ports.captureWeChatWindow();
  const auto shot = state.screenshot.snapshot();
  const auto target = state.targetImage.snapshot();
  if (ports.findImageInShot(*shot, *target) != 0) {
    ports.appendRunLog(kLogInformation, kTestFoundLine);
  } else {
    ports.appendRunLog(kLogError, kTestNotFoundLine);
  }
}

void TestSend(RunState& state, const TargetImagePorts& ports) {
  if (ports.findWeChatWindow() == 0) return;
  ports.pressSendKey(state.windowHandle);
  ports.appendRunLog(kLogInformation, kTestSentLine);
}

std::int32_t OnTargetImageButton(TargetButton sender, RunState& state, const TargetImagePorts& ports) {
  switch (sender) {
    case TargetButton::Capture: CaptureNewTarget(state, ports); break;
    case TargetButton::TestFind: TestFind(state, ports); break;
    case TargetButton::TestSend: TestSend(state, ports); break;
    case TargetButton::Other: break;
  }
  return 0;
}

}  // namespace quorvela
