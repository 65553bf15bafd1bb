#include "app/win/chart/web_view_engine.h"

#include <optional>

#include "common/win/kernel_owners.h"

namespace quorvela::win {

namespace {

template <class Entry>
bool resolve(HMODULE module, const char* name, Entry& entry) {
  entry = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return entry != nullptr;
}

struct BoundEngine {
  qv::win::UniqueModule module;
  std::optional<WebViewEngine> engine;
};

BoundEngine bind() {
  BoundEngine bound;
  bound.module.reset(LoadLibraryW(L"node.dll"));
  HMODULE module = bound.module.get();
  if (!module) return bound;
  WebViewEngine engine;
  const bool complete = resolve(module, "wkeInitialize", engine.initialize) &&
                        resolve(module, "wkeCreateWebWindow", engine.createWebWindow) &&
                        resolve(module, "wkeShowWindow", engine.showWindow) &&
                        resolve(module, "wkeOnDocumentReady", engine.onDocumentReady) &&
                        resolve(module, "wkeLoadHTMLW", engine.loadHtmlW) &&
                        resolve(module, "wkeRunJSW", engine.runJsW) &&
                        resolve(module, "wkeSetZoomFactor", engine.setZoomFactor) &&
                        resolve(module, "wkeDestroyWebWindow", engine.destroyWebWindow);
  if (!complete) return bound;
  engine.initialize();
  bound.engine = engine;
  return bound;
}

}  // namespace

const WebViewEngine* webViewEngine() {
  static const BoundEngine bound = bind();
  return bound.engine ? &*bound.engine : nullptr;
}

}  // namespace quorvela::win
