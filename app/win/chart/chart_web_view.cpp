#include "app/win/chart/chart_web_view.h"

#include <string>

#include "app/core/chart/chart_page_scripts.h"
#include "app/win/platform/wide_text.h"

namespace quorvela::win {

namespace {

// The engine calls back on the GUI thread; the host takes the page up from its queue, after
// the handlers have bound its ready event.
void __cdecl documentReady(WkeWebView, void* host) {
  PostMessageW(static_cast<HWND>(host), kChartPageLoadedMessage, 0, 0);
}

}  // namespace

std::unique_ptr<ChartWebView> ChartWebView::open(const WebViewEngine& engine, HWND host) {
  RECT client{};
  GetClientRect(host, &client);
  WkeWebView view = engine.createWebWindow(kWkeWindowTypeControl, host, 0, 0, client.right - client.left,
                                           client.bottom - client.top);
  if (!view) return nullptr;
  std::unique_ptr<ChartWebView> webView(new ChartWebView(engine, view));
  engine.onDocumentReady(view, &documentReady, host);
  engine.showWindow(view, true);
  engine.loadHtmlW(view, widen(ChartPageHtml()).c_str());
  return webView;
}

void ChartWebView::run(std::wstring_view script) const {
  const std::wstring text(script);  // the engine wants a terminated text
  engine_.runJsW(view_, text.c_str());
}

}  // namespace quorvela::win
