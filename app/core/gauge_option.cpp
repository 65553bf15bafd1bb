#include "app/core/gauge_option.h"

#include <string>

namespace quorvela {

void SetUpGaugeChartOption(EChartsOption& option) {
  EChartsObject defaults = option.seriesDefaults();
  defaults.child("progress").setRaw("show", "true");
  defaults.child("pointer").setRaw("show", "true");
  for (const char* name : {"title", "legend", "tooltip", "toolbox"}) option.component(name).setRaw("show", "false");
}

void AddGaugeSeries(EChartsOption& option, EChartsDataItem& item) {
  EChartsSeries series;
  series.setRaw("min", std::to_string(kGaugeMin));
  series.setRaw("max", std::to_string(kGaugeMax));
  series.setString("type", "gauge");
  item.setString("name", "次/秒");
  item.setNumber("value", 0);
  series.appendData(item);
  option.addSeries(series);
}

void SetGaugeCount(EChartsDataItem& item, std::int32_t count) { item.setNumber("value", count); }

}  // namespace quorvela
