#include "tests/win/chart/chart_test_support.h"

namespace qv::test {

void GaugeOwner::adopt(const quorvela::win::EChartsBox& page) {
  feed.chart.releaseBeforeAssign();
  feed.chart = page;
  feed.chart.readyEvent.bind(&quorvela::win::GaugeChartReadyCallback, record);
  feed.chart.listenToWindow();
}

quorvela::win::ControlPlacement gaugePlacement(HWND parent) {
  quorvela::win::ControlPlacement placement;
  placement.parent = parent;
  placement.left = 5;
  placement.top = 16;
  placement.width = 309;
  placement.height = 256;
  placement.controlId = 119;
  return placement;
}

GaugeOnPage::GaugeOnPage() {
  created = host && page.create(gaugePlacement(host));
  if (!created) return;
  quorvela::win::SetUpSpeedGaugeChart(page);
  handler.adopt(page);
}

}  // namespace qv::test
