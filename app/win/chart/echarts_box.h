#pragma once
// The chart box: an ECharts chart in the web view "node.dll". Where the engine is absent the
// box draws a dial from the same option, so a gauge still shows its value.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "app/core/chart/echarts_option.h"
#include "app/win/framework/panel.h"

namespace quorvela::win {

class ChartWebView;

class EChartsBox : public VolClass<EChartsBox, WindowObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::EChartsBox";

  EChartsBox();

  // Creates the window and, when the engine is there, its web view with the chart page.
  bool create(const ControlPlacement& placement);

  // Once the page has loaded and run the chart script (at once without a web view):
  // the chart's option, to which the receiver adds its series.
  EventSlot<EChartsOption*> readyEvent;

  bool hasWebView() const;
  // Runs a script in the page; nothing without a web view.
  void runScript(std::string_view script) const;
  void setZoomFactor(float factor);
  float zoomFactor() const;

  std::string buildOptionJson() const { return option.toJson(); }
  // Pushes the whole option to the page and draws the chart anew.
  void applyOption();
  // Draws the dial again from the option (without a web view).
  void redrawDial() const;

  bool onMessage(WindowMessage& message) override;

  EChartsOption option;  // shared by copies, like the window
  std::string theme;     // a built-in theme

 private:
  struct View;
  std::shared_ptr<View> view_;
};

}  // namespace quorvela::win
