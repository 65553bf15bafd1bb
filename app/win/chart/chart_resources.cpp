#include "app/win/chart/chart_resources.h"

#include <windows.h>

#include "app/win/platform/wide_text.h"

namespace quorvela::win {

namespace {

constexpr WORD kResourceLanguage = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);  // 2052

std::wstring loadText(const wchar_t* name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceExW(module, MAKEINTRESOURCEW(10), name, kResourceLanguage);
  if (!resource) return {};
  HGLOBAL loaded = LoadResource(module, resource);  // not freed: resources live with the module
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return {};
  return widen({static_cast<const char*>(bytes), SizeofResource(module, resource)});
}

}  // namespace

const std::wstring& chartScript() {
  static const std::wstring script = loadText(MAKEINTRESOURCEW(kChartScriptResource));
  return script;
}

const std::wstring& themeScript(std::string_view theme) {
  static const std::wstring infographic = loadText(L"ECHARTS_THEME_INFOGRAPHIC");
  static const std::wstring none;
  return theme == "infographic" ? infographic : none;
}

}  // namespace quorvela::win
