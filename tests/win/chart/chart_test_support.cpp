#include "tests/win/chart/chart_test_support.h"

namespace qv::test {

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
  handler.setLinks({nullptr, &centre, nullptr, nullptr, nullptr});
  handler.BindGauge();
}

}  // namespace qv::test
