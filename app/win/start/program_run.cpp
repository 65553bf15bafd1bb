#include "app/win/start/program_run.h"

#include <string>

#include "app/win/framework/control_window.h"
#include "app/win/run_log/run_log.h"
#include "app/win/start/application.h"

namespace quorvela::win {

namespace {

void connectPage(RunPageHooks& page) {
  HandlerSet& handlers = theApplication().components.handlerSet;
  page.appendRunLog = [](int type, std::string_view text) { AppendRunLog(type, std::string(text)); };
  page.setRunButtonImage = [&handlers](int image) { handlers.runNowHandler.RunNowButton.setImage(image); };
  page.setRunButtonText = [&handlers](std::string_view text) {
    SetControlText(handlers.runNowHandler.RunNowButton, std::string(text));
  };
  page.setGaugeInterval = [&handlers](int milliseconds) { handlers.speedGaugeHandler.GaugeTimer.setInterval(milliseconds); };
  page.setGaugeValue = [&handlers](std::int32_t value) { handlers.speedGaugeHandler.SetGaugeValue(value); };
}

// Lives as long as the process: a worker may still be in its round when the program ends.
struct ProgramRunRoad {
  ProgramRunRoad() : road(theApplication().components.runState) { connectPage(road.page()); }
  RunRoad road;
};

}  // namespace

RunRoad& programRunRoad() {
  static ProgramRunRoad* const program = new ProgramRunRoad;
  return program->road;
}

std::int32_t FindWeChatWindow() { return programRunRoad().FindWeChatWindow(); }

std::int32_t CheckReady() { return programRunRoad().CheckReady(); }

std::int32_t ToggleRunNow() { return programRunRoad().ToggleRunNow(); }

void CaptureWeChatWindow() { programRunRoad().CaptureWeChatWindow(); }

}  // namespace quorvela::win
