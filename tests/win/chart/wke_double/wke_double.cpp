// A stand-in for the web-view engine "node.dll": the wke entries the chart box binds, each
// recording its call, and a page that reports itself loaded on the next timer turn. The
// tests read the record through the qvWke entries.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct View {
  HWND window = nullptr;
  void(__cdecl* ready)(View*, void*) = nullptr;
  void* param = nullptr;
};

struct Call {
  std::string name;
  std::wstring text;
};

std::vector<Call> calls;
std::map<UINT_PTR, View*> pendingPages;

void record(const char* name, std::wstring text = {}) { calls.push_back({name, std::move(text)}); }

std::wstring numbers(std::initializer_list<long> values) {
  std::wstring text;
  for (const long value : values) text += (text.empty() ? L"" : L" ") + std::to_wstring(value);
  return text;
}

void CALLBACK pageLoaded(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  const auto found = pendingPages.find(id);
  if (found == pendingPages.end()) return;
  View* view = found->second;
  pendingPages.erase(found);
  if (view->ready) view->ready(view, view->param);
}

}  // namespace

extern "C" {

void __cdecl wkeInitialize() { record("wkeInitialize"); }

View* __cdecl wkeCreateWebWindow(int type, HWND parent, int x, int y, int width, int height) {
  record("wkeCreateWebWindow", numbers({type, x, y, width, height}));
  auto* view = new View;
  view->window = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_WHITERECT, x, y, width, height, parent, nullptr,
                                 nullptr, nullptr);
  return view;
}

void __cdecl wkeShowWindow(View* view, bool show) {
  record("wkeShowWindow", numbers({show ? 1 : 0}));
  ShowWindow(view->window, show ? SW_SHOW : SW_HIDE);
}

void __cdecl wkeOnDocumentReady(View* view, void(__cdecl* ready)(View*, void*), void* param) {
  record("wkeOnDocumentReady");
  view->ready = ready;
  view->param = param;
}

void __cdecl wkeLoadHTMLW(View* view, const wchar_t* html) {
  record("wkeLoadHTMLW", html);
  pendingPages[SetTimer(nullptr, 0, 10, &pageLoaded)] = view;
}

long long __cdecl wkeRunJSW(View*, const wchar_t* script) {
  record("wkeRunJSW", script);
  return 0;
}

void __cdecl wkeSetZoomFactor(View*, float factor) {
  wchar_t text[32];
  std::swprintf(text, 32, L"%.2f", static_cast<double>(factor));
  record("wkeSetZoomFactor", text);
}

void __cdecl wkeDestroyWebWindow(View* view) {
  record("wkeDestroyWebWindow");
  for (auto it = pendingPages.begin(); it != pendingPages.end();) {
    it = it->second == view ? pendingPages.erase(it) : std::next(it);
  }
  if (IsWindow(view->window)) DestroyWindow(view->window);
  delete view;
}

int __cdecl qvWkeCallCount() { return static_cast<int>(calls.size()); }
const char* __cdecl qvWkeCallName(int index) { return calls.at(static_cast<std::size_t>(index)).name.c_str(); }
const wchar_t* __cdecl qvWkeCallText(int index) { return calls.at(static_cast<std::size_t>(index)).text.c_str(); }

}  // extern "C"
