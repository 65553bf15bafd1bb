#pragma once
// Parameters of the keyboard and mouse messages posted into the chat window.
#include <cstdint>

namespace pixfarrow::input {

// lParam of a keyboard message: repeat count 1 (bits 0-15), scanCode & 0xFF (bits 16-23),
// no extended flag or context code, bits 30 and 31 set for a key going up.
std::uint32_t MakeKeyLParam(std::uint32_t scanCode, bool keyUp);

// The virtual key whose scan code goes with a character message: the punctuation keys
// of a US layout, upper-case letters for 'a'..'z', else the character code itself.
std::uint32_t CharacterVirtualKey(std::uint32_t character);

// lParam of a mouse message: x + y * 65536 in 32-bit arithmetic.
std::uint32_t MakeMouseLParam(std::int32_t x, std::int32_t y);

}  // namespace pixfarrow::input
