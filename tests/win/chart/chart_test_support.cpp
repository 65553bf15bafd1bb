#include "tests/win/chart/chart_test_support.h"

#include "app/win/framework/framework_state.h"

namespace qv::test {

UniqueWindow makeHostWindow() {
  quorvela::win::frameworkStart().instance = GetModuleHandleW(nullptr);
  return UniqueWindow(CreateWindowExW(0, L"STATIC", L"chart box", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 360, 320,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
}

bool pumpUntil(const std::function<bool()>& done) {
  const ULONGLONG deadline = GetTickCount64() + 5000;
  while (!done()) {
    if (GetTickCount64() > deadline) return false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

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
  created = host && page.create(gaugePlacement(host.get()));
  if (!created) return;
  quorvela::win::SetUpSpeedGaugeChart(page);
  handler.adopt(page);
}

}  // namespace qv::test
