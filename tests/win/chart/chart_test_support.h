#pragma once
// What the chart box tests share: the page's chart box on a host form, adopted by a gauge
// handler as SpeedGaugeHandler does.
#include <windows.h>

#include "app/core/object/event_object_pointer.h"
#include "app/win/gauge/speed_gauge_chart.h"
#include "tests/win/framework/host_form.h"

namespace qv::test {

class GaugeOwner : public quorvela::VolClass<GaugeOwner, quorvela::CVolObject>,
                   public quorvela::win::SpeedGaugeFeedOwner {
 public:
  static constexpr const char* kClassName = "qv::test::GaugeOwner";

  ~GaugeOwner() override { record->clearOwner(); }

  quorvela::win::SpeedGaugeFeed& speedGaugeFeed() override { return feed; }

  // The handler's copy becomes the page's box and receives its ready event.
  void adopt(const quorvela::win::EChartsBox& page);

  quorvela::win::SpeedGaugeFeed feed;
  quorvela::EventRecord record = quorvela::CVolEventObjectPointer::create(this);
};

// The chart box of the control centre: id 119 at (5, 16), 309 x 256 at 96 DPI.
quorvela::win::ControlPlacement gaugePlacement(HWND parent);

// The page's chart box in a window, set up as the layout does and adopted by a gauge
// handler as the start hook does.
struct GaugeOnPage {
  GaugeOnPage();

  HostForm form;
  HWND host = createHost(form);
  quorvela::win::EChartsBox page;
  GaugeOwner handler;
  bool created = false;
};

}  // namespace qv::test
