#pragma once
// Text typed into a window as one character message per UTF-16 unit.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pixfarrow::win {

// UTF-8 to the system code page through UTF-16; characters the code page cannot hold
// become its default character.
std::string Utf8ToText(const std::vector<std::uint8_t>& utf8);

// Converts the 8-bit text with code page 936 and posts each UTF-16 unit (surrogates one
// by one) with PostKey kind Character. An empty text posts nothing.
void TypeText(HWND window, const std::string& text);

}  // namespace pixfarrow::win
