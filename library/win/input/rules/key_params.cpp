#include "library/win/input/rules/key_params.h"

namespace pixfarrow::input {

std::uint32_t MakeKeyLParam(std::uint32_t scanCode, bool keyUp) {
  std::uint32_t value = 1;
  value |= (scanCode & 0xFFu) << 16;
  if (keyUp) value |= (1u << 30) | (1u << 31);
  return value;
}

std::uint32_t CharacterVirtualKey(std::uint32_t character) {
  switch (character) {
    case ':':
    case ';':
      return 0xBA;
    case '+':
      return 0xBB;
    case ',':
      return 0xBC;
    case '-':
      return 0xBD;
    case '.':
      return 0xBE;
    case '/':
    case '?':
      return 0xBF;
    case '`':
    case '~':
      return 0xC0;
    default:
      break;
  }
  if (character >= 'a' && character <= 'z') return character - 32;
  return character;
}

std::uint32_t MakeMouseLParam(std::int32_t x, std::int32_t y) {
  return static_cast<std::uint32_t>(x) + static_cast<std::uint32_t>(y) * 65536u;
}

}  // namespace pixfarrow::input
