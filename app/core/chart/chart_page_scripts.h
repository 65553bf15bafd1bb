#pragma once
// What the chart box gives its web view: the page, its globals, and the scripts that push an
// option to the chart. The chart script itself and the theme's script are resources.
#include <string>
#include <string_view>

namespace quorvela {

// A full-size "container" element on an otherwise empty page.
std::string ChartPageHtml();
// dom (the container), myChart (undefined until the first apply), option (no series yet).
std::string ChartPageGlobalsScript();
// "window.option=" followed by the option JSON.
std::string OptionAssignmentScript(std::string_view optionJson);
// Disposes the chart, makes it anew with theme and sets the page's option.
std::string ApplyOptionScript(std::string_view theme);
// Hands the page's option to the existing chart, if any.
std::string_view OptionUpdateScript();

}  // namespace quorvela
