#pragma once
// The library's fatal runtime error: a modal box, then the host process ends with -1.
#include <optional>
#include <string_view>

namespace pixfarrow::win {

// `message` is GBK. Shows FatalErrorText(code, message) and never returns.
[[noreturn]] void RuntimeFatalError(std::optional<int> code, std::string_view message);

}  // namespace pixfarrow::win
