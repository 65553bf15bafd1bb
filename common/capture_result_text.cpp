#include "common/capture_result_text.h"

#include <charconv>

namespace qv {

std::string FormatCaptureResultText(std::int32_t address, std::int32_t length) {
  std::string text = std::to_string(address);
  text += kCaptureSeparatorGbk;
  text += std::to_string(length);
  return text;
}

namespace {

std::optional<std::int32_t> ParseInt32(std::string_view part) {
  std::int32_t value = 0;
  const char* end = part.data() + part.size();
  auto [ptr, ec] = std::from_chars(part.data(), end, value);
  if (part.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

}  // namespace

std::optional<CaptureLocation> ParseCaptureResultText(std::string_view text) {
  const auto at = text.find(kCaptureSeparatorGbk);
  if (at == std::string_view::npos) return std::nullopt;
  const auto rest = text.substr(at + kCaptureSeparatorGbk.size());
  if (rest.find(kCaptureSeparatorGbk) != std::string_view::npos) return std::nullopt;
  auto address = ParseInt32(text.substr(0, at));
  auto length = ParseInt32(rest);
  if (!address || !length) return std::nullopt;
  return CaptureLocation{*address, *length};
}

}  // namespace qv
