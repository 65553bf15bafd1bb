#pragma once
// One web view showing the chart page inside a chart box's window.
#include <windows.h>

#include <memory>
#include <string_view>

#include "app/win/chart/web_view_engine.h"

namespace quorvela::win {

// Posted to the host window once the page has loaded.
inline constexpr UINT kChartPageLoadedMessage = WM_APP + 0x119;

class ChartWebView {
 public:
  // Creates the view over host's client area and loads the chart page. Null when the
  // engine cannot create a view.
  static std::unique_ptr<ChartWebView> open(const WebViewEngine& engine, HWND host);

  ~ChartWebView() { engine_.destroyWebWindow(view_); }
  ChartWebView(const ChartWebView&) = delete;
  ChartWebView& operator=(const ChartWebView&) = delete;

  void run(std::wstring_view script) const;
  void setZoomFactor(float factor) const { engine_.setZoomFactor(view_, factor); }

 private:
  ChartWebView(const WebViewEngine& engine, WkeWebView view) : engine_(engine), view_(view) {}

  const WebViewEngine& engine_;
  WkeWebView view_;
};

}  // namespace quorvela::win
