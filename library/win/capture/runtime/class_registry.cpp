#include "library/win/capture/runtime/class_registry.h"

#include <mutex>
#include <string>
#include <vector>

#include "library/win/capture/runtime/runtime_module.h"

namespace pixfarrow::capture {
namespace {

std::mutex lock;
std::vector<std::wstring> registered;

}  // namespace

void RegisterRuntimeClass(const wchar_t* name, WNDPROC procedure, HBRUSH background) {
  std::lock_guard<std::mutex> hold(lock);
  for (const auto& n : registered)
    if (n == name) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = RuntimeModule();
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  if (RegisterClassExW(&wc)) registered.emplace_back(name);
}

void UnregisterRuntimeClasses() {
  std::lock_guard<std::mutex> hold(lock);
  for (const auto& n : registered) UnregisterClassW(n.c_str(), RuntimeModule());
  registered.clear();
}

}  // namespace pixfarrow::capture
