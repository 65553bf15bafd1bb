#pragma once
// UTF-8 to UTF-16 in the portable core; malformed bytes become U+FFFD.
#include <string>
#include <string_view>

namespace quorvela {

std::u16string utf16FromUtf8(std::string_view utf8);

}  // namespace quorvela
