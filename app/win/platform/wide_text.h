#pragma once
// UTF-8 inside, UTF-16 at the Windows API.
#include <string>
#include <string_view>

namespace quorvela::win {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view wide);

}  // namespace quorvela::win
