#include "app/core/text/utf16_text.h"

#include <cstdint>

namespace quorvela {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

// Length of the sequence that lead starts, or 0 when lead cannot start one.
int sequenceLength(std::uint8_t lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

std::u16string utf16FromUtf8(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<std::uint8_t>(utf8[i]);
    const int length = sequenceLength(lead);
    if (length == 0 || i + length > utf8.size()) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
    bool valid = true;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<std::uint8_t>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) {
        valid = false;
        break;
      }
      code = (code << 6) | (next & 0x3F);
    }
    static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (!valid || code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(code));
    }
    i += static_cast<std::size_t>(length);
  }
  return out;
}

}  // namespace quorvela
