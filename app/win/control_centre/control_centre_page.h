#pragma once
// The program's working page: run and timed-run buttons with their time entries, the
// target preview with its buttons, the speed gauge and the coloured run log. The handlers
// adopt these controls once the page has been created.
#include <array>

#include "app/core/control_centre/control_centre_port.h"
#include "app/core/object/event_object_pointer.h"
#include "app/win/chart/echarts_box.h"
#include "app/win/framework/edit_box.h"
#include "app/win/framework/group_box.h"
#include "app/win/framework/label.h"
#include "app/win/framework/panel.h"
#include "app/win/framework/picture_panel.h"
#include "app/win/framework/rich_edit_box.h"
#include "app/win/framework/shape_box.h"
#include "app/win/framework/super_button.h"
#include "app/win/framework/timer_control.h"

namespace quorvela::win {

// What the page's created and shown events start; given by start-up before any window
// exists.
struct ControlCentreLinks {
  ControlCentreStartPort* start = nullptr;
  ControlCentreShownPort* shown = nullptr;
};

class ControlCentrePage : public VolClass<ControlCentrePage, Panel> {
 public:
  static constexpr const char* kClassName = "quorvela::win::ControlCentrePage";
  static constexpr std::size_t kControlCount = 27;

  ControlCentrePage();
  ControlCentrePage(const ControlCentrePage& other) : ControlCentrePage() { *this = other; }
  // Copies the container, then each control in id order; keeps this page's event record.
  ControlCentrePage& operator=(const ControlCentrePage& other);
  ~ControlCentrePage() override;

  void setLinks(const ControlCentreLinks& links) { links_ = links; }

  int clientWidth() const override;
  int clientHeight() const override;
  // ControlCentreLayout.
  void layout() override;
  void bindEvents() override;

  // The controls in id order.
  std::array<WindowObject*, kControlCount> controlsInIdOrder();
  std::array<const WindowObject*, kControlCount> controlsInIdOrder() const;

  GroupBox TopPanel;
  SuperButton RunNowButton;
  SuperButton TimedRunButton;
  PicturePanel TargetPreview;
  SuperButton CaptureTargetButton;
  SuperButton TestFindButton;
  SuperButton TestSendButton;
  EditBox HourEdit;
  EditBox MinuteEdit;
  TimerControl CountdownTimer;
  EditBox SecondEdit;
  GroupBox SpeedGaugeGroup;
  TimerControl GaugeTimer;
  EChartsBox SpeedGaugeChart;
  GroupBox RunLogGroup;
  RichEditBox RunLogBox;
  Label HourUnitLabel;
  Label MinuteUnitLabel;
  Label TimerCaptionLabel;
  Label TimerHelpLabel;
  Label SecondUnitLabel;
  ShapeBox ErrorSwatch;
  Label ErrorSwatchLabel;
  ShapeBox WarningSwatch;
  Label WarningSwatchLabel;
  ShapeBox InfoSwatch;
  Label InfoSwatchLabel;

 protected:
  void readMembers(VolStream& stream) override;
  void writeMembers(VolStream& stream) const override;

 private:
  friend std::int32_t ControlCentreCreatedCallback(CVolObject*, CVolObject*, std::int32_t);
  friend std::int32_t PageShownCallback(CVolObject*, CVolObject*, std::int32_t);

  ControlCentreLinks links_;
  EventRecord events_;
};

// Theme, series defaults, hidden components and zoom of the freshly created chart box.
void SetUpSpeedGaugeChart(EChartsBox& chart);

// Theme, series defaults, hidden components and zoom of the freshly created chart box.
void SetUpSpeedGaugeChart(EChartsBox& chart);

std::int32_t ControlCentreCreatedCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);
std::int32_t PageShownCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);

}  // namespace quorvela::win
