#pragma once
// Text services of the framework that the handlers use. Texts are UTF-8; a character is
// one code point (a byte that does not start a valid sequence counts as one character).
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvela {

// Optional leading white space and sign, then the digits up to the first other character;
// 0 without digits ("" and "-" give 0, "5-" gives 5); saturates at the int32 range.
std::int32_t TextToInt(std::string_view text);

// Signed decimal without leading zeros ("%d").
std::string IntToText(std::int64_t value);

// The first / last count characters (the whole text when it is shorter).
std::string_view LeftText(std::string_view text, int count);
std::string_view RightText(std::string_view text, int count);

// The length as the system's wide text counts it (UTF-16 units).
int WideLength(std::string_view text);

// True for an empty text or ASCII digits only.
bool IsDigitsOnly(std::string_view text);

}  // namespace quorvela
