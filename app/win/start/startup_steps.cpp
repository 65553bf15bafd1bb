#include "app/win/start/startup_steps.h"

#include "app/win/start/application.h"

namespace quorvela::win {

void BindTimedRunHandlerAtStartup() { theApplication().components.handlerSet.timedRunHandler.BindTimedRunHandler(); }

}  // namespace quorvela::win
