#include "library/win/input/rules/key_params.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using pixfarrow::input::CharacterVirtualKey;
using pixfarrow::input::MakeKeyLParam;
using pixfarrow::input::MakeMouseLParam;

struct KeyLParamCase {
  std::uint32_t scan;
  bool up;
  std::uint32_t expected;
};

TEST(MakeKeyLParam, SetsRepeatScanCodeAndUpBits) {
  const KeyLParamCase cases[] = {
      {0x1C, false, 0x001C0001u},  // Enter down
      {0x1C, true, 0xC01C0001u},   // Enter up: bits 30 and 31
      {0x0E, false, 0x000E0001u},  // Backspace down
      {0x00, false, 0x00000001u},  // no scan code: repeat count only
      {0x00, true, 0xC0000001u},
      {0x1FF, false, 0x00FF0001u},  // only the low byte of the scan code, bit 24 stays 0
      {0xFFFFFFFFu, true, 0xC0FF0001u},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MakeKeyLParam(c.scan, c.up), c.expected) << "scan " << c.scan << " up " << c.up;
  }
}

TEST(CharacterVirtualKey, PunctuationLettersAndTheRest) {
  const std::pair<std::uint32_t, std::uint32_t> cases[] = {
      {':', 0xBA}, {';', 0xBA}, {'+', 0xBB}, {',', 0xBC}, {'-', 0xBD}, {'.', 0xBE}, {'/', 0xBF},
      {'?', 0xBF}, {'`', 0xC0}, {'~', 0xC0}, {'a', 0x41}, {'z', 0x5A}, {'m', 0x4D}, {'A', 0x41},
      {'Z', 0x5A}, {'0', '0'},  {' ', ' '},  {'{', '{'},  {'@', '@'},  {'=', '='},  {0x4E2D, 0x4E2D},
      {0xD83D, 0xD83D},  // a surrogate unit keeps its own code
  };
  for (const auto& [character, key] : cases) EXPECT_EQ(CharacterVirtualKey(character), key) << character;
}

TEST(MakeMouseLParam, XLowYHigh) {
  EXPECT_EQ(MakeMouseLParam(728, 515), 728u + 515u * 65536u);
  EXPECT_EQ(MakeMouseLParam(0, 0), 0u);
  EXPECT_EQ(MakeMouseLParam(0xFFFF, 0x7FFF), 0x7FFFFFFFu);
  EXPECT_EQ(MakeMouseLParam(0, 0xFFFF), 0xFFFF0000u);  // wraps in 32 bits, no overflow
}

}  // namespace
