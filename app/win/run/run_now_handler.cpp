#include "app/win/run/run_now_handler.h"

#include <string>

#include "app/core/run/run_now.h"
#include "app/win/framework/control_window.h"
#include "app/win/run_log/run_log.h"
#include "common/win/kernel_owners.h"

namespace quorvela::win {

void RunNowHandler::bindMembers() {
  RunNowButton.clickEvent.bind(&RunNowButtonCallback, events_.record());
  RunNowButton.listenToWindow();
}

void RunNowHandler::BindRunNow() {
  if (!links_->page) return;
  RunNowButton.releaseBeforeAssign();
  RunNowButton = links_->page->RunNowButton;
  bindMembers();
}

std::uint32_t RunNowHandler::searchWeChatWindow() { return links_->run.library->QWXJB(); }

bool RunNowHandler::startWorker() {
  // The thread is never joined: its handle goes at once.
  const qv::win::UniqueKernelHandle thread(CreateThread(nullptr, 0, &AutomationWorker, &links_->run, 0, nullptr));
  return static_cast<bool>(thread);
}

void RunNowHandler::appendRunLog(int type, std::string_view text) {
  AppendRunLog(links_->page->RunLogBox, type, std::string(text));
}

void RunNowHandler::setRunButtonImage(int image) { RunNowButton.setImage(image); }

void RunNowHandler::setRunButtonText(std::string_view text) { SetControlText(RunNowButton, std::string(text)); }

void RunNowHandler::setGaugeInterval(int milliseconds) { links_->gaugeTimer->setInterval(milliseconds); }

std::int32_t RunNowButtonCallback(CVolObject* owner, CVolObject* sender, std::int32_t) {
  auto* handler = static_cast<RunNowHandler*>(owner);
  RunState* state = handler->links_->run.state;
  if (sender != &handler->RunNowButton || !state) return 0;
  if (CheckReady(*state, *handler) == 1) ToggleRunNow(*state, automationWorkerSlot, *handler);
  return 0;
}

}  // namespace quorvela::win
