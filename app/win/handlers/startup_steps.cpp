#include "app/win/handlers/startup_steps.h"

#include "app/win/program/application.h"

namespace quorvela::win {

void BindTimedRunHandlerAtStartup() { theApplication().components.handlerSet.timedRunHandler.BindTimedRunHandler(); }

}  // namespace quorvela::win
