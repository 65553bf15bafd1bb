#pragma once
// Holders of the application's parts.
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

class PageSet : public VolClass<PageSet, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::PageSet";

  NavigationBar navigationBar;
  ControlCentrePage controlCentrePage;

 protected:
  void readMembers(VolStream& stream) override {
    navigationBar.readFromStream(&stream);
    controlCentrePage.readFromStream(&stream);
  }
  void writeMembers(VolStream& stream) const override {
    navigationBar.writeToStream(&stream);
    controlCentrePage.writeToStream(&stream);
  }
};

class HandlerSet : public VolClass<HandlerSet, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::HandlerSet";

  EmptyComponent emptyComponent;
  NavigationHandler navigationHandler;
  SpeedGaugeHandler speedGaugeHandler;
  TargetImageHandler targetImageHandler;
  RunNowHandler runNowHandler;
  TimedRunHandler timedRunHandler;

 protected:
  void readMembers(VolStream& stream) override {
    emptyComponent.readFromStream(&stream);
    navigationHandler.readFromStream(&stream);
    speedGaugeHandler.readFromStream(&stream);
    targetImageHandler.readFromStream(&stream);
    runNowHandler.readFromStream(&stream);
    timedRunHandler.readFromStream(&stream);
  }
  void writeMembers(VolStream& stream) const override {
    emptyComponent.writeToStream(&stream);
    navigationHandler.writeToStream(&stream);
    speedGaugeHandler.writeToStream(&stream);
    targetImageHandler.writeToStream(&stream);
    runNowHandler.writeToStream(&stream);
    timedRunHandler.writeToStream(&stream);
  }
};

class AppComponents : public VolClass<AppComponents, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::AppComponents";

  PageSet pageSet;
  HandlerSet handlerSet;
  RunState runState;

 protected:
  void readMembers(VolStream& stream) override {
    pageSet.readFromStream(&stream);
    handlerSet.readFromStream(&stream);
    runState.readFromStream(&stream);
  }
  void writeMembers(VolStream& stream) const override {
    pageSet.writeToStream(&stream);
    handlerSet.writeToStream(&stream);
    runState.writeToStream(&stream);
  }
};

}  // namespace quorvela::win
