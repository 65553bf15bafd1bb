#pragma once
// The web-view engine "node.dll" (external, optional), bound by name at run time. Our own
// declarations of the few wke entries the chart box uses.
#include <windows.h>

namespace quorvela::win {

struct WkeWebViewData;
using WkeWebView = WkeWebViewData*;
using WkeDocumentReady = void(__cdecl*)(WkeWebView view, void* param);

inline constexpr int kWkeWindowTypeControl = 2;  // a child window of the given parent

struct WebViewEngine {
  void(__cdecl* initialize)() = nullptr;
  WkeWebView(__cdecl* createWebWindow)(int type, HWND parent, int x, int y, int width, int height) = nullptr;
  void(__cdecl* showWindow)(WkeWebView view, bool show) = nullptr;
  void(__cdecl* onDocumentReady)(WkeWebView view, WkeDocumentReady callback, void* param) = nullptr;
  void(__cdecl* loadHtmlW)(WkeWebView view, const wchar_t* html) = nullptr;
  long long(__cdecl* runJsW)(WkeWebView view, const wchar_t* script) = nullptr;  // result unused
  void(__cdecl* setZoomFactor)(WkeWebView view, float factor) = nullptr;
  void(__cdecl* destroyWebWindow)(WkeWebView view) = nullptr;
};

// The engine, loaded and initialised on first use (GUI thread) and kept for the process;
// null when "node.dll" or one of the entries above is missing.
const WebViewEngine* webViewEngine();

}  // namespace quorvela::win
