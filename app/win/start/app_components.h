#pragma once
// Holders of the application's parts.
#include <tuple>

#include "app/core/object/members_class.h"
#include "app/core/run/run_state.h"
#include "app/core/start/empty_component.h"
#include "app/win/control_centre/control_centre_page.h"
#include "app/win/gauge/speed_gauge_handler.h"
#include "app/win/navigation/navigation_bar.h"
#include "app/win/navigation/navigation_handler.h"
#include "app/win/run/run_now_handler.h"
#include "app/win/target_image/target_image_handler.h"
#include "app/win/timed_run/timed_run_handler.h"

namespace quorvela::win {

class PageSet : public MembersClass<PageSet, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::PageSet";
  static auto members(auto& self) { return std::tie(self.navigationBar, self.controlCentrePage); }

  NavigationBar navigationBar;
  ControlCentrePage controlCentrePage;
};

class HandlerSet : public MembersClass<HandlerSet, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::HandlerSet";
  static auto members(auto& self) {
    return std::tie(self.emptyComponent, self.navigationHandler, self.speedGaugeHandler, self.targetImageHandler,
                    self.runNowHandler, self.timedRunHandler);
  }

  EmptyComponent emptyComponent;
  NavigationHandler navigationHandler;
  SpeedGaugeHandler speedGaugeHandler;
  TargetImageHandler targetImageHandler;
  RunNowHandler runNowHandler;
  TimedRunHandler timedRunHandler;
};

class AppComponents : public MembersClass<AppComponents, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::AppComponents";
  static auto members(auto& self) { return std::tie(self.pageSet, self.handlerSet, self.runState); }

  PageSet pageSet;
  HandlerSet handlerSet;
  RunState runState;
};

}  // namespace quorvela::win
