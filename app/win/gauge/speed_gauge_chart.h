#pragma once
// The speed gauge's chart: the gauge option built when the page is ready, and the value fed
// once a second.
#include <cstdint>

#include "app/core/chart/echarts_object.h"
#include "app/core/gauge/gauge_option.h"
#include "app/win/chart/echarts_box.h"

namespace quorvela::win {

// What SpeedGaugeHandler keeps for the gauge: its copy of SpeedGaugeChart and the gauge
// series with its one data item and its scale.
struct SpeedGaugeFeed {
  EChartsBox chart;
  GaugeSeries series;
};

// Adds the gauge series to option and pushes it to the page; 0. Ignores other senders.
std::int32_t BuildGaugeOption(SpeedGaugeFeed& feed, CVolObject* sender, std::int32_t passed, EChartsOption* option);
// Shows n on the gauge, on a scale that holds it, without making the chart anew.
void SetGaugeValue(SpeedGaugeFeed& feed, std::int32_t n);

}  // namespace quorvela::win
