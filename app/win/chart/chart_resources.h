#pragma once
// Scripts the program carries as resources: the chart script and the built-in theme.
#include <string>
#include <string_view>

namespace quorvela::win {

inline constexpr int kChartScriptResource = 516;

// The chart script as wide text; empty when the resource is missing.
const std::wstring& chartScript();
// The script that registers a built-in theme; empty for a theme the program does not carry.
const std::wstring& themeScript(std::string_view theme);

}  // namespace quorvela::win
