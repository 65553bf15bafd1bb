#pragma once
// What the chart box tests share: a top-level window to hold the box, a gauge handler that
// adopts the box as SpeedGaugeHandler does, and message pumping with a deadline.
#include <windows.h>

#include <functional>

#include "app/core/event_object_pointer.h"
#include "app/win/chart/speed_gauge_chart.h"
#include "common/win/unique_handle.h"

namespace qv::test {

struct WindowTraits {
  static void close(HWND window) { DestroyWindow(window); }
};
using UniqueWindow = qv::win::UniqueHandleOf<HWND, WindowTraits>;

// A visible top-level window; the framework is told the test program's instance.
UniqueWindow makeHostWindow();

// Pumps this thread's messages until done() or about five seconds have passed.
bool pumpUntil(const std::function<bool()>& done);

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

  UniqueWindow host = makeHostWindow();
  quorvela::win::EChartsBox page;
  GaugeOwner handler;
  bool created = false;
};

}  // namespace qv::test
