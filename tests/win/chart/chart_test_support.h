#pragma once
// What the chart box tests share: the page's chart box on a host form, set up as the layout
// does and adopted by the speed gauge's handler as the start hook does.
#include <windows.h>

#include "app/win/control_centre/control_centre_page.h"
#include "app/win/gauge/speed_gauge_handler.h"
#include "tests/win/framework/host_form.h"

namespace qv::test {

// The chart box of the control centre: id 119 at (5, 16), 309 x 256 at 96 DPI.
quorvela::win::ControlPlacement gaugePlacement(HWND parent);

// A control centre whose chart box alone has a window, and the gauge's handler linked to it.
struct GaugeOnPage {
  GaugeOnPage();

  HostForm form;
  HWND host = createHost(form);
  quorvela::win::ControlCentrePage centre;
  quorvela::win::EChartsBox& page = centre.SpeedGaugeChart;
  quorvela::win::SpeedGaugeHandler handler;
  bool created = false;
};

}  // namespace qv::test
