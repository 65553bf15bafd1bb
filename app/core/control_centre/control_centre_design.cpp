#include "app/core/control_centre/control_centre_design.h"

namespace quorvela::control_centre {

namespace {
constexpr const char* kButtonFont = "黑体, 8, 0, 0, 0, 0, 0";
constexpr const char* kSmallFont = "黑体, 9, 0, 0, 0, 0, 0";
constexpr const char* kEntryFont = "黑体, 18, 0, 0, 0, 0, 0";
}  // namespace

const std::array<ControlDesign, 27> kControls = {{
    {kTopPanel, 0, {5, 5, 640, 203}, "控制中心", nullptr},
    {kRunNowButton, kTopPanel, {4, 45, 183, 47}, "立刻运行 当前:未运行", kButtonFont},
    {kTimedRunButton, kTopPanel, {4, 99, 183, 47}, "定时运行 当前:未运行", kButtonFont},
    {kTargetPreview, kTopPanel, {491, 30, 128, 77}, nullptr, nullptr},
    {kCaptureTargetButton, kTopPanel, {489, 121, 40, 52}, "截图", kSmallFont},
    {kTestFindButton, kTopPanel, {533, 121, 40, 52}, "找图", kSmallFont},
    {kTestSendButton, kTopPanel, {579, 121, 40, 52}, "发送", kSmallFont},
    {kHourEdit, kTopPanel, {243, 116, 32, 27}, "0", kEntryFont},
    {kHourUnitLabel, kTopPanel, {279, 116, 27, 27}, "时", kEntryFont},
    {kMinuteEdit, kTopPanel, {311, 116, 32, 27}, "0", kEntryFont},
    {kMinuteUnitLabel, kTopPanel, {347, 116, 27, 27}, "分", kEntryFont},
    {kTimerCaptionLabel, kTopPanel, {208, 43, 64, 21}, "定时器：", "黑体, 12, 1, 0, 0, 0, 0"},
    {kTimerHelpLabel, kTopPanel, {244, 69, 197, 40},
     "    如果您想定时运行本软件，请在下方输入触发时间。譬如:18时50分", kSmallFont},
    {kCountdownTimer, kTopPanel, {386, 8, 43, 37}, nullptr, nullptr},
    {kSecondEdit, kTopPanel, {379, 116, 32, 27}, "0", kEntryFont},
    {kSecondUnitLabel, kTopPanel, {415, 116, 27, 27}, "秒", kEntryFont},
    {kSpeedGaugeGroup, 0, {5, 213, 320, 277}, "速度表盘", nullptr},
    {kGaugeTimer, kSpeedGaugeGroup, {261, 21, 48, 43}, nullptr, nullptr},
    {kSpeedGaugeChart, kSpeedGaugeGroup, {5, 16, 309, 256}, nullptr, nullptr},
    {kRunLogGroup, 0, {331, 213, 315, 277}, "运行日志", nullptr},
    {kErrorSwatch, kRunLogGroup, {42, 21, 18, 16}, nullptr, nullptr},
    {kErrorSwatchLabel, kRunLogGroup, {64, 21, 27, 16}, "错误", nullptr},
    {kWarningSwatch, kRunLogGroup, {133, 21, 18, 16}, nullptr, nullptr},
    {kWarningSwatchLabel, kRunLogGroup, {156, 21, 27, 16}, "警告", nullptr},
    {kInfoSwatch, kRunLogGroup, {218, 21, 18, 16}, nullptr, nullptr},
    {kInfoSwatchLabel, kRunLogGroup, {240, 21, 27, 16}, "提示", nullptr},
    {kRunLogBox, kRunLogGroup, {5, 43, 304, 230}, "", kSmallFont},
}};

}  // namespace quorvela::control_centre
