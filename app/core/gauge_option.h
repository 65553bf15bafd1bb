#pragma once
// The speed gauge's option: the chart's set-up and the one gauge series with its data item.
#include <cstdint>

#include "app/core/echarts_option.h"

namespace quorvela {

inline constexpr int kGaugeMin = 0;
inline constexpr int kGaugeMax = 50;
inline constexpr const char* kGaugeTheme = "infographic";
inline constexpr float kGaugeZoom = 0.9f;

// Progress bar and pointer for every series; title, legend, tooltip and toolbox hidden.
void SetUpGaugeChartOption(EChartsOption& option);

// Resets item to "次/秒" with value 0 and appends the gauge series holding it (sharing its
// keys) to option.
void AddGaugeSeries(EChartsOption& option, EChartsDataItem& item);

// The rounds of the last second; a count above the scale is passed on as it is.
void SetGaugeCount(EChartsDataItem& item, std::int32_t count);

}  // namespace quorvela
