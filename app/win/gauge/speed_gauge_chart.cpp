#include "app/win/gauge/speed_gauge_chart.h"

#include "app/core/chart/chart_page_scripts.h"
#include "app/core/gauge/gauge_option.h"

namespace quorvela::win {

std::int32_t BuildGaugeOption(SpeedGaugeFeed& feed, CVolObject* sender, std::int32_t, EChartsOption* option) {
  if (sender != &feed.chart || !option) return 0;
  AddGaugeSeries(*option, feed.series);
  feed.chart.applyOption();
  return 0;
}

void SetGaugeValue(SpeedGaugeFeed& feed, std::int32_t n) {
  SetGaugeCount(feed.series, n);
  if (!feed.chart.hasWebView()) {  // no engine entry to call: the dial shows the value
    feed.chart.redrawDial();
    return;
  }
  feed.chart.runScript(OptionAssignmentScript(feed.chart.buildOptionJson()));
  feed.chart.runScript(OptionUpdateScript());
}

}  // namespace quorvela::win
