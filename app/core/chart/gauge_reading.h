#pragma once
// What a dial drawn without the web view shows: the first gauge series of an option, read
// the way the chart reads it, and where its pointer stands.
#include <string>

#include "app/core/chart/echarts_option.h"

namespace quorvela {

struct GaugeReading {
  bool present = false;  // the option has a gauge series
  double min = 0;        // the chart's own defaults when the series sets no scale
  double max = 100;
  double value = 0;
  std::string valueText = "0";
  std::string name;
};

GaugeReading ReadGauge(const EChartsOption& option);

// Share of the scale the pointer shows: 0 at min, 1 at max, clamped (an empty or reversed
// scale gives 0).
double GaugeFraction(const GaugeReading& reading);

// The chart's default sweep: from 225 degrees (lower left) clockwise to -45 (lower right),
// counter-clockwise from three o'clock.
inline constexpr double kDialStartDegrees = 225;
inline constexpr double kDialSweepDegrees = 270;
double DialAngleDegrees(double fraction);

}  // namespace quorvela
