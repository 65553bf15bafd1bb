#pragma once
// The program's working page: run and timed-run buttons with their time entries, the
// target preview with its buttons, the speed gauge and the coloured run log. The handlers
// adopt these controls once the page has been created.
#include <array>
#include <tuple>

#include "app/core/control_centre/control_centre_port.h"
#include "app/core/object/event_owner.h"
#include "app/core/object/members_class.h"
#include "app/core/object/per_object.h"
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

class ControlCentrePage : public MembersClass<ControlCentrePage, Panel> {
 public:
  static constexpr const char* kClassName = "quorvela::win::ControlCentrePage";
  static constexpr std::size_t kControlCount = 27;
  // The controls in id order, 101 to 127.
  static auto members(auto& self) {
    return std::tie(self.TopPanel, self.RunNowButton, self.TimedRunButton, self.TargetPreview, self.CaptureTargetButton,
                    self.TestFindButton, self.TestSendButton, self.HourEdit, self.HourUnitLabel, self.MinuteEdit,
                    self.MinuteUnitLabel, self.TimerCaptionLabel, self.TimerHelpLabel, self.CountdownTimer,
                    self.SecondEdit, self.SecondUnitLabel, self.SpeedGaugeGroup, self.GaugeTimer, self.SpeedGaugeChart,
                    self.RunLogGroup, self.ErrorSwatch, self.ErrorSwatchLabel, self.WarningSwatch,
                    self.WarningSwatchLabel, self.InfoSwatch, self.InfoSwatchLabel, self.RunLogBox);
  }

  ControlCentrePage();

  void setLinks(const ControlCentreLinks& links) { links_ = links; }

  int clientWidth() const override;
  int clientHeight() const override;
  // ControlCentreLayout.
  void layout() override;
  void bindEvents() override;

  // The controls in id order.
  std::array<WindowObject*, kControlCount> controlsInIdOrder() { return controlsOf<WindowObject>(*this); }
  std::array<const WindowObject*, kControlCount> controlsInIdOrder() const {
    return controlsOf<const WindowObject>(*this);
  }

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

 private:
  template <class Control, class Self>
  static std::array<Control*, kControlCount> controlsOf(Self& self) {
    return std::apply(
        [](auto&... control) {
          static_assert(sizeof...(control) == kControlCount, "one entry per control");
          return std::array<Control*, kControlCount>{&control...};
        },
        members(self));
  }

  friend std::int32_t ControlCentreCreatedCallback(CVolObject*, CVolObject*, std::int32_t);
  friend std::int32_t PageShownCallback(CVolObject*, CVolObject*, std::int32_t);

  PerObject<ControlCentreLinks> links_;
  EventOwner events_{*this, EventOwner::Marking::kLeavesFlags};
};

// Theme, series defaults, hidden components and zoom of the freshly created chart box.
void SetUpSpeedGaugeChart(EChartsBox& chart);

// Theme, series defaults, hidden components and zoom of the freshly created chart box.
void SetUpSpeedGaugeChart(EChartsBox& chart);

std::int32_t ControlCentreCreatedCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);
std::int32_t PageShownCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);

}  // namespace quorvela::win
