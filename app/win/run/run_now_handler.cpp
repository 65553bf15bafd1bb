#include "app/win/run/run_now_handler.h"

#include "app/win/start/application.h"
#include "app/win/start/program_run.h"

namespace quorvela::win {

RunNowHandler::RunNowHandler() : events_(CVolEventObjectPointer::create(this)) { bindMembers(); }

RunNowHandler& RunNowHandler::operator=(const RunNowHandler& other) {
  if (this != &other) {
    CVolObject::operator=(other);
    RunNowButton = other.RunNowButton;
  }
  return *this;
}

RunNowHandler::~RunNowHandler() {
  flags |= kDestroying;
  events_->clearOwner();
  events_.reset();
}

void RunNowHandler::bindMembers() {
  RunNowButton.clickEvent.bind(&RunNowButtonCallback, events_);
  RunNowButton.listenToWindow();
}

void RunNowHandler::BindRunNow() {
  RunNowButton.releaseBeforeAssign();
  RunNowButton = theApplication().components.pageSet.controlCentrePage.RunNowButton;
  bindMembers();
}

std::int32_t RunNowButtonCallback(CVolObject* owner, CVolObject* sender, std::int32_t) {
  auto* handler = static_cast<RunNowHandler*>(owner);
  if (sender != &handler->RunNowButton) return 0;
  if (CheckReady() == 1) ToggleRunNow();
  return 0;
}

}  // namespace quorvela::win
