#include "app/win/target_image/target_image_handler.h"

#include <string>

#include "app/core/run/run_now.h"
#include "app/win/run/press_send_key.h"
#include "app/win/run/window_capture.h"
#include "app/win/run_log/run_log.h"
#include "app/win/target_image/picture_from_bytes.h"
#include "app/win/target_image/target_image_file.h"
#include "app/win/target_image/target_image_library.h"

namespace quorvela::win {

void TargetImageHandler::bindMembers() {
  for (SuperButton* button : {&CaptureTargetButton, &TestFindButton, &TestSendButton}) {
    button->clickEvent.bind(&TargetImageButtonCallback, events_.record());
    button->listenToWindow();
  }
}

namespace {

constexpr int kPlaceholderImage = 506;

}  // namespace

void TargetImageHandler::BindTargetImageHandler() {
  if (!links_->page) return;
  const ControlCentrePage& page = *links_->page;
  Adopt(CaptureTargetButton, page.CaptureTargetButton);
  Adopt(TestFindButton, page.TestFindButton);
  Adopt(TestSendButton, page.TestSendButton);
  bindMembers();
  ReportStartupWindow(*links_->state, *this);
  Adopt(TargetPreview, page.TargetPreview);
  // No event of the preview is bound; its copy only becomes the one that paints.
  TargetPreview.listenToWindow();
  ShowStoredTarget(*links_->state, *this);
}

const char* TargetImageHandler::runCapture() { return links_->library->JQMBT(); }

ByteBuffer TargetImageHandler::readMemory(std::uint32_t address, std::int32_t length) {
  return CopyCapturedBytes(address, length);
}

std::uint32_t TargetImageHandler::searchWindow() { return links_->library->QWXJB(); }

std::int32_t TargetImageHandler::findWeChatWindow() { return FindWeChatWindow(*links_->state, *links_->runNow); }

void TargetImageHandler::captureWeChatWindow() { CaptureWeChatWindow(*links_->state); }

std::int32_t TargetImageHandler::findImageInShot(const ByteBuffer& shot, const ByteBuffer& target) {
  return links_->library->ZT(shot, target);
}

void TargetImageHandler::pressSendKey(std::uint32_t window) { PressSendKey(*links_->library, window); }

void TargetImageHandler::appendRunLog(int type, std::string_view utf8) {
  AppendRunLog(links_->page->RunLogBox, type, std::string(utf8));
}

bool TargetImageHandler::showPicture(const ByteBuffer& bytes) { return SetPictureFromBytes(TargetPreview, bytes); }

void TargetImageHandler::showPlaceholder() { SetPictureFromResource(TargetPreview, kPlaceholderImage); }

void TargetImageHandler::writeTargetFile(const ByteBuffer& bytes) { StoreTargetImageFile(bytes); }

std::int32_t TargetImageButtonCallback(CVolObject* owner, CVolObject* sender, std::int32_t) {
  auto& handler = *static_cast<TargetImageHandler*>(owner);
  if (!handler.links_->state) return 0;
  TargetButton button = TargetButton::Other;
  if (sender == &handler.CaptureTargetButton) button = TargetButton::Capture;
  if (sender == &handler.TestFindButton) button = TargetButton::TestFind;
  if (sender == &handler.TestSendButton) button = TargetButton::TestSend;
  return OnTargetImageButton(button, *handler.links_->state, handler);
}

}  // namespace quorvela::win
