#pragma once
// The speed gauge's option: the chart's set-up and the one gauge series with its data item.
#include <cstdint>

#include "app/core/chart/echarts_option.h"

namespace quorvela {

inline constexpr int kGaugeMin = 0;
// The scale's end while the readings fit it.
inline constexpr int kGaugeMax = 50;
inline constexpr const char* kGaugeTheme = "infographic";
inline constexpr float kGaugeZoom = 0.9f;
// The chart's box for the number under the dial, and its font there.
inline constexpr int kGaugeNumberBoxWidth = 100;
inline constexpr int kGaugeNumberFontSize = 30;

// The scale's end that holds a reading: 50, else the first of 100, 200, 500, 1000, 2000,
// 5000, ... at or above it.
std::int64_t GaugeScaleEndFor(std::int64_t reading);

// The scale's end follows the highest reading since the gauge last showed 0: it steps up as
// far as a run's readings need and never back while the run goes on; the 0 shown when the
// run has ended brings back 50, so each run starts on the usual scale.
class GaugeScale {
 public:
  // The end for a new reading.
  std::int64_t show(std::int64_t reading);
  std::int64_t end() const { return end_; }

 private:
  std::int64_t end_ = kGaugeMax;
};

// The number's font size in the chart: the usual size while it fits the number's box with
// room for wide digits (up to 4 digits), smaller for longer numbers.
int GaugeNumberFontSize(int characters);

// What the gauge's handler keeps of the option: the series and its one data item, each
// sharing its keys with the copy in the option, and the scale.
struct GaugeSeries {
  EChartsSeries series;
  EChartsDataItem item;
  GaugeScale scale;
};

// Progress bar and pointer for every series; title, legend, tooltip and toolbox hidden.
void SetUpGaugeChartOption(EChartsOption& option);

// Resets the gauge to "次/秒" with value 0 on the scale 0 to 50 and appends its series to
// option.
void AddGaugeSeries(EChartsOption& option, GaugeSeries& gauge);

// The rounds of the last second, on a scale that holds them.
void SetGaugeCount(GaugeSeries& gauge, std::int32_t count);

}  // namespace quorvela
