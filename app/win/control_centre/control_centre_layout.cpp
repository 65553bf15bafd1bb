// ControlCentreLayout: the page's 27 controls, each configured and then created, in id order.
#include "app/core/control_centre/control_centre_design.h"
#include "app/core/framework/ui_scale.h"
#include "app/core/gauge/gauge_option.h"
#include "app/core/run_log/run_log_line.h"
#include "app/win/control_centre/control_centre_page.h"
#include "app/win/framework/window_procedure.h"

namespace quorvela::win {

namespace {

using namespace control_centre;

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kGrey = 0x808080;
constexpr int kTimeEntryLength = 2;

struct Images {
  int normal;
  int alt;
};

class Layout {
 public:
  explicit Layout(ControlCentrePage& page) : page_(page) {}

  // Where control id goes: scaled design bounds inside its parent's window.
  ControlPlacement place(int id) const {
    const ControlDesign design = *findDesign(kControls, id);
    const DesignRect bounds = scaledRect(design.bounds, UiScale::current());
    return {parentWindow(design.parentId), parentObject(design.parentId), bounds.left, bounds.top, bounds.width,
            bounds.height, id, design.text ? design.text : ""};
  }

  SharedFont font(int id) const { return SetFontFromText(findDesign(kControls, id)->font); }

  void groupBox(GroupBox& box, int id, bool enabled) const {
    box.background = kWhite;
    box.enabled = enabled;
    box.create(place(id));
  }

  void button(SuperButton& button, int id, Images images, ImagePlace imagePlace, const char* tip) const {
    button.setImage(images.normal);
    if (images.alt) button.setAltImage(images.alt);
    button.imagePlace = imagePlace;
    button.background = kWhite;
    button.textColour = kBlack;
    button.setFont(font(id));
    button.setTipText(tip);
    button.create(place(id));
  }

  void timeEntry(EditBox& edit, int id) const {
    edit.maxLength = kTimeEntryLength;
    edit.centred = true;
    edit.integerInput = true;
    edit.setFont(font(id));
    edit.hideSelection = true;
    edit.clientEdge = true;
    edit.tabStop = false;
    edit.create(place(id));
  }

  void label(Label& label, int id, std::uint32_t colour, bool wordWrap, bool withFont) const {
    label.wordWrap = wordWrap;
    if (withFont) label.setFont(font(id));
    label.transparent = true;
    label.textColour = colour;
    label.create(place(id));
  }

  void timer(TimerControl& timer, int id) const {
    timer.setInterval(0);
    timer.create(place(id));
  }

  void chart(EChartsBox& chart, int id) const {
    chart.create(place(id));
    SetUpSpeedGaugeChart(chart);
  }

  void swatch(ShapeBox& shape, int id, std::int32_t logType) const {
    shape.background = kWhite;
    shape.outlineColour = kBlack;
    shape.fillColour = *runLogColour(logType);
    shape.create(place(id));
  }

 private:
  // The page, or one of the three group boxes that hold the other controls.
  WindowObject* parentObject(int parentId) const {
    switch (parentId) {
      case 0: return &page_;
      case kTopPanel: return &page_.TopPanel;
      case kSpeedGaugeGroup: return &page_.SpeedGaugeGroup;
      case kRunLogGroup: return &page_.RunLogGroup;
      default: return nullptr;
    }
  }
  HWND parentWindow(int parentId) const {
    const WindowObject* parent = parentObject(parentId);
    return parent ? windowOf(*parent) : nullptr;
  }

  ControlCentrePage& page_;
};

}  // namespace

void SetUpSpeedGaugeChart(EChartsBox& chart) {
  SetUpGaugeChartOption(chart.option);
  chart.theme = kGaugeTheme;
  chart.setZoomFactor(kGaugeZoom);
}

void ControlCentrePage::layout() {
  bindEvents();
  const Layout layout(*this);

  layout.groupBox(TopPanel, kTopPanel, true);
  layout.button(RunNowButton, kRunNowButton, {507, 508}, ImagePlace::kLeftOfText, "立刻运行");
  layout.button(TimedRunButton, kTimedRunButton, {509, 510}, ImagePlace::kLeftOfText, "定时运行(请在右侧设置好时间)");
  TargetPreview.pictureMode = PictureMode::kStretched;
  TargetPreview.background = kWhite;
  TargetPreview.create(layout.place(kTargetPreview));
  layout.button(CaptureTargetButton, kCaptureTargetButton, {511, 0}, ImagePlace::kAboveText, "进入截取目标图界面");
  layout.button(TestFindButton, kTestFindButton, {512, 0}, ImagePlace::kAboveText, "测试找图功能1次");
  layout.button(TestSendButton, kTestSendButton, {513, 0}, ImagePlace::kAboveText, "测试发送功能1次");
  layout.timeEntry(HourEdit, kHourEdit);
  layout.label(HourUnitLabel, kHourUnitLabel, kGrey, false, true);
  layout.timeEntry(MinuteEdit, kMinuteEdit);
  layout.label(MinuteUnitLabel, kMinuteUnitLabel, kGrey, false, true);
  layout.label(TimerCaptionLabel, kTimerCaptionLabel, kSystemColour, false, true);
  layout.label(TimerHelpLabel, kTimerHelpLabel, kGrey, true, true);
  layout.timer(CountdownTimer, kCountdownTimer);
  layout.timeEntry(SecondEdit, kSecondEdit);
  layout.label(SecondUnitLabel, kSecondUnitLabel, kGrey, false, true);
  layout.groupBox(SpeedGaugeGroup, kSpeedGaugeGroup, true);
  layout.timer(GaugeTimer, kGaugeTimer);
  layout.chart(SpeedGaugeChart, kSpeedGaugeChart);
  layout.groupBox(RunLogGroup, kRunLogGroup, false);
  layout.swatch(ErrorSwatch, kErrorSwatch, static_cast<std::int32_t>(RunLogType::kError));
  layout.label(ErrorSwatchLabel, kErrorSwatchLabel, kSystemColour, false, false);
  layout.swatch(WarningSwatch, kWarningSwatch, static_cast<std::int32_t>(RunLogType::kWarning));
  layout.label(WarningSwatchLabel, kWarningSwatchLabel, kSystemColour, false, false);
  layout.swatch(InfoSwatch, kInfoSwatch, static_cast<std::int32_t>(RunLogType::kInformation));
  layout.label(InfoSwatchLabel, kInfoSwatchLabel, kSystemColour, false, false);
  RunLogBox.setFont(layout.font(kRunLogBox));
  RunLogBox.readOnly = false;
  RunLogBox.border = false;
  RunLogBox.create(layout.place(kRunLogBox));
  EnableWindow(windowOf(RunLogBox), TRUE);
}

}  // namespace quorvela::win
