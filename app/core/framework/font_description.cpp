#include "app/core/framework/font_description.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

#include "app/core/text/utf16_text.h"

namespace quorvela {

namespace {

constexpr std::size_t kMaxParts = 7;
constexpr char16_t kIdeographicSpace = u'\u3000';
// Larger heights are no font; the clamp keeps absurd sizes inside int.
constexpr double kMaxHeight = 1 << 20;

std::u16string_view withoutLeadingBlanks(std::u16string_view part) {
  std::size_t start = 0;
  while (start < part.size() &&
         (part[start] == u' ' || part[start] == u'\t' || part[start] == kIdeographicSpace)) {
    ++start;
  }
  return part.substr(start);
}

std::vector<std::u16string_view> splitParts(std::u16string_view text) {
  std::vector<std::u16string_view> parts;
  std::size_t begin = 0;
  while (parts.size() < kMaxParts) {
    const std::size_t comma = text.find(u',', begin);
    parts.push_back(withoutLeadingBlanks(text.substr(begin, comma == std::u16string_view::npos ? comma : comma - begin)));
    if (comma == std::u16string_view::npos) break;
    begin = comma + 1;
  }
  return parts;
}

// The leading number of an ASCII part, as atof and atoi read it.
std::string asciiPrefix(std::u16string_view part) {
  std::string ascii;
  for (char16_t c : part) {
    if (c > 0x7F) break;
    ascii.push_back(static_cast<char>(c));
  }
  return ascii;
}

double leadingDouble(std::u16string_view part) {
  const std::string ascii = asciiPrefix(part);
  double value = 0;
  const char* first = ascii.data();
  if (!ascii.empty() && ascii[0] == '+') ++first;
  const auto [end, error] = std::from_chars(first, ascii.data() + ascii.size(), value);
  if (error != std::errc() || !std::isfinite(value)) return 0;
  return value;
}

long long leadingInteger(std::u16string_view part) {
  const std::string ascii = asciiPrefix(part);
  long long value = 0;
  const char* first = ascii.data();
  if (!ascii.empty() && ascii[0] == '+') ++first;
  const auto [end, error] = std::from_chars(first, ascii.data() + ascii.size(), value);
  return error == std::errc() ? value : 0;
}

bool isSet(std::u16string_view part) { return part == u"1"; }

}  // namespace

LogicalFont applyFontDescription(std::string_view description, LogicalFont start, int verticalDpi) {
  LogicalFont font = std::move(start);
  const std::u16string text = utf16FromUtf8(description);
  const auto parts = splitParts(text);

  if (!parts[0].empty()) {
    std::size_t length = std::min(parts[0].size(), LogicalFont::kMaxFaceLength);
    // Never keep half of a surrogate pair.
    if (length == LogicalFont::kMaxFaceLength && (parts[0][length - 1] & 0xFC00) == 0xD800) --length;
    font.face = std::u16string(parts[0].substr(0, length));
  }
  if (parts.size() > 1) {
    const double pixels = std::min(std::fabs(leadingDouble(parts[1])) * verticalDpi / 72.0 + 0.5, kMaxHeight);
    const int height = static_cast<int>(pixels);
    if (height > 0) font.height = -height;
  }
  if (parts.size() > 2) font.weight = isSet(parts[2]) ? 700 : 400;
  if (parts.size() > 3) font.italic = isSet(parts[3]);
  if (parts.size() > 4) font.underline = isSet(parts[4]);
  if (parts.size() > 5) font.strikeOut = isSet(parts[5]);
  if (parts.size() > 6 && !parts[6].empty()) {
    long long angle = leadingInteger(parts[6]) % 3600;
    if (angle < 0) angle += 3600;
    font.escapement = static_cast<int>(angle);
  }
  return font;
}

}  // namespace quorvela
