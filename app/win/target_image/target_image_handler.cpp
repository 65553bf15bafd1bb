#include "app/win/target_image/target_image_handler.h"

#include "app/core/target_image/target_image_actions.h"
#include "app/win/start/application.h"
#include "app/win/target_image/target_image_ports.h"

namespace quorvela::win {

TargetImageHandler::TargetImageHandler() : events_(CVolEventObjectPointer::create(this)) { bindMembers(); }

TargetImageHandler& TargetImageHandler::operator=(const TargetImageHandler& other) {
  if (this != &other) {
    CVolObject::operator=(other);
    CaptureTargetButton = other.CaptureTargetButton;
    TestFindButton = other.TestFindButton;
    TestSendButton = other.TestSendButton;
    TargetPreview = other.TargetPreview;
  }
  return *this;
}

TargetImageHandler::~TargetImageHandler() {
  flags |= kDestroying;
  events_->clearOwner();
  events_.reset();
}

void TargetImageHandler::bindMembers() {
  for (SuperButton* button : {&CaptureTargetButton, &TestFindButton, &TestSendButton}) {
    button->clickEvent.bind(&TargetImageButtonCallback, events_);
    button->listenToWindow();
  }
}

void TargetImageHandler::readMembers(VolStream& stream) {
  CaptureTargetButton.readFromStream(&stream);
  TestFindButton.readFromStream(&stream);
  TestSendButton.readFromStream(&stream);
  TargetPreview.readFromStream(&stream);
}

void TargetImageHandler::writeMembers(VolStream& stream) const {
  CaptureTargetButton.writeToStream(&stream);
  TestFindButton.writeToStream(&stream);
  TestSendButton.writeToStream(&stream);
  TargetPreview.writeToStream(&stream);
}

namespace {

template <class Control>
void adopt(Control& copy, const Control& pageControl) {
  copy.releaseBeforeAssign();
  copy = pageControl;
}

}  // namespace

void BindTargetImageHandler(TargetImageHandler& handler) {
  Application& app = theApplication();
  const ControlCentrePage& page = app.components.pageSet.controlCentrePage;
  RunState& state = app.components.runState;
  adopt(handler.CaptureTargetButton, page.CaptureTargetButton);
  adopt(handler.TestFindButton, page.TestFindButton);
  adopt(handler.TestSendButton, page.TestSendButton);
  handler.bindMembers();
  const TargetImagePorts ports = MakeTargetImagePorts(handler.TargetPreview);
  ReportStartupWindow(state, ports);
  adopt(handler.TargetPreview, page.TargetPreview);
  // No event of the preview is bound; its copy only becomes the one that paints.
  handler.TargetPreview.listenToWindow();
  ShowStoredTarget(state, ports);
}

std::int32_t TargetImageButtonCallback(CVolObject* owner, CVolObject* sender, std::int32_t) {
  return OnTargetImageButton(*static_cast<TargetImageHandler*>(owner), sender);
}

std::int32_t OnTargetImageButton(TargetImageHandler& handler, CVolObject* sender) {
  TargetButton button = TargetButton::Other;
  if (sender == &handler.CaptureTargetButton) button = TargetButton::Capture;
  if (sender == &handler.TestFindButton) button = TargetButton::TestFind;
  if (sender == &handler.TestSendButton) button = TargetButton::TestSend;
  RunState& state = theApplication().components.runState;
  return quorvela::OnTargetImageButton(button, state, MakeTargetImagePorts(handler.TargetPreview));
}

}  // namespace quorvela::win
