#include "app/core/text/text_number.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "app/core/text/utf16_text.h"
#include "app/core/text/utf8_cursor.h"

namespace quorvela {
namespace {

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Byte offsets of the characters' starts, and the text's end.
std::vector<std::size_t> characterStarts(std::string_view text) {
  std::vector<std::size_t> starts;
  for (Utf8Cursor cursor(text); !cursor.atEnd(); cursor.advance()) starts.push_back(cursor.offset());
  starts.push_back(text.size());
  return starts;
}

}  // namespace

std::int32_t TextToInt(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && isSpace(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
    magnitude = std::min(magnitude * 10 + (text[at] - '0'), kLimit);
  const std::int64_t value = negative ? -magnitude : std::min(magnitude, kLimit - 1);
  return static_cast<std::int32_t>(value);
}

std::string IntToText(std::int64_t value) { return std::to_string(value); }

std::string_view LeftText(std::string_view text, int count) {
  if (count <= 0) return text.substr(0, 0);
  const auto starts = characterStarts(text);
  const auto characters = starts.size() - 1;
  if (static_cast<std::size_t>(count) >= characters) return text;
  return text.substr(0, starts[count]);
}

std::string_view RightText(std::string_view text, int count) {
  if (count <= 0) return text.substr(text.size());
  const auto starts = characterStarts(text);
  const auto characters = starts.size() - 1;
  if (static_cast<std::size_t>(count) >= characters) return text;
  return text.substr(starts[characters - count]);
}

int WideLength(std::string_view text) { return static_cast<int>(utf16FromUtf8(text).size()); }

bool IsDigitsOnly(std::string_view text) {
  for (const char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace quorvela
