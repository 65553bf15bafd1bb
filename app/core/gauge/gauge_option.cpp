#include "app/core/gauge/gauge_option.h"

#include <algorithm>
#include <string>

namespace quorvela {

std::int64_t GaugeScaleEndFor(std::int64_t reading) {
  if (reading <= kGaugeMax) return kGaugeMax;
  for (std::int64_t decade = 100;; decade *= 10) {
    for (std::int64_t step : {decade, 2 * decade, 5 * decade}) {
      if (reading <= step) return step;
    }
  }
}

std::int64_t GaugeScale::show(std::int64_t reading) {
  end_ = reading == 0 ? kGaugeMax : std::max(end_, GaugeScaleEndFor(reading));
  return end_;
}

int GaugeNumberFontSize(int characters) {
  // A bold digit is at most 0.7 of the font size wide in the usual faces.
  const int fitting = characters > 0 ? kGaugeNumberBoxWidth * 10 / (7 * characters) : kGaugeNumberFontSize;
  return std::min(kGaugeNumberFontSize, fitting);
}

void SetUpGaugeChartOption(EChartsOption& option) {
  EChartsObject defaults = option.seriesDefaults();
  defaults.child("progress").setRaw("show", "true");
  defaults.child("pointer").setRaw("show", "true");
  for (const char* name : {"title", "legend", "tooltip", "toolbox"}) option.component(name).setRaw("show", "false");
}

void AddGaugeSeries(EChartsOption& option, GaugeSeries& gauge) {
  gauge.series = EChartsSeries{};
  gauge.scale = GaugeScale{};
  gauge.series.setRaw("min", std::to_string(kGaugeMin));
  gauge.series.setRaw("max", std::to_string(gauge.scale.end()));
  gauge.series.setString("type", "gauge");
  gauge.item.setString("name", "次/秒");
  gauge.item.setNumber("value", 0);
  gauge.series.appendData(gauge.item);
  option.addSeries(gauge.series);
}

void SetGaugeCount(GaugeSeries& gauge, std::int32_t count) {
  gauge.series.setRaw("max", std::to_string(gauge.scale.show(count)));
  gauge.item.setNumber("value", count);
  // The option keeps the chart's own number style until a number needs a smaller one.
  const int characters = static_cast<int>(EChartsNumberText(count).size());
  if (GaugeNumberFontSize(characters) < kGaugeNumberFontSize || gauge.series.find("detail")) {
    gauge.series.child("detail").setNumber("fontSize", GaugeNumberFontSize(characters));
  }
}

}  // namespace quorvela
