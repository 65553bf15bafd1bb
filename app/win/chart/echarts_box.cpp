#include "app/win/chart/echarts_box.h"

#include "app/core/chart/chart_page_scripts.h"
#include "app/core/chart/gauge_reading.h"
#include "app/win/chart/chart_resources.h"
#include "app/win/chart/chart_web_view.h"
#include "app/win/chart/native_dial.h"
#include "app/win/framework/control_window.h"
#include "app/win/framework/window_procedure.h"
#include "app/win/platform/wide_text.h"
#include "common/win/direct_gdi.h"

namespace quorvela::win {

struct EChartsBox::View {
  std::unique_ptr<ChartWebView> webView;
  float zoom = 1.0f;
  bool zoomSet = false;
};

EChartsBox::EChartsBox() : view_(std::make_shared<View>()) {}

bool EChartsBox::create(const ControlPlacement& placement) {
  HWND window =
      createControlWindow(*this, L"QuorvelaEChartsBox", WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, placement);
  if (!window) return false;
  if (const WebViewEngine* engine = webViewEngine()) view_->webView = ChartWebView::open(*engine, window);
  if (view_->webView) {
    if (view_->zoomSet) view_->webView->setZoomFactor(view_->zoom);
  } else {
    PostMessageW(window, kChartPageLoadedMessage, 0, 0);  // the dial is ready at once
  }
  return true;
}

bool EChartsBox::hasWebView() const { return view_->webView != nullptr; }

void EChartsBox::runScript(std::string_view script) const {
  if (view_->webView) view_->webView->run(widen(script));
}

void EChartsBox::setZoomFactor(float factor) {
  view_->zoom = factor;
  view_->zoomSet = true;
  if (view_->webView) view_->webView->setZoomFactor(factor);
}

float EChartsBox::zoomFactor() const { return view_->zoom; }

void EChartsBox::applyOption() {
  if (!view_->webView) {
    redrawDial();
    return;
  }
  runScript(OptionAssignmentScript(buildOptionJson()));
  if (const std::wstring& registration = themeScript(theme); !registration.empty()) {
    view_->webView->run(registration);
  }
  runScript(ApplyOptionScript(theme));
}

void EChartsBox::redrawDial() const {
  if (HWND window = windowOf(*this); window && !view_->webView) InvalidateRect(window, nullptr, FALSE);
}

bool EChartsBox::onMessage(WindowMessage& message) {
  HWND window = windowOf(*this);
  switch (message.id) {
    case kChartPageLoadedMessage:
      if (view_->webView) {
        view_->webView->run(chartScript());
        runScript(ChartPageGlobalsScript());
      }
      readyEvent.fire(this, &option);
      return true;
    case WM_ERASEBKGND:
      message.result = 1;  // painted whole in WM_PAINT
      return true;
    case WM_PAINT: {
      const qv::win::PaintDc paint(window);
      RECT client{};
      GetClientRect(window, &client);
      if (view_->webView) {
        FillRect(paint.get(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      } else {
        PaintDialBuffered(paint.get(), client, ReadGauge(option));
      }
      return true;
    }
    case WM_PRINTCLIENT: {
      RECT client{};
      GetClientRect(window, &client);
      PaintDial(reinterpret_cast<HDC>(message.wParam), client, ReadGauge(option));
      return true;
    }
    case WM_DESTROY:
      view_->webView.reset();  // the engine's window goes with ours
      destroyedEvent.fire(this);
      return false;
    default:
      return false;
  }
}

}  // namespace quorvela::win
