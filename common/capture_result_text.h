#pragma once
// The text that JQMBT returns: "<address>分割<length>" in GBK, both numbers decimal.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// "分割" in GBK.
inline constexpr std::string_view kCaptureSeparatorGbk = "\xB7\xD6\xB8\xEE";

struct CaptureLocation {
  std::int32_t address = 0;
  std::int32_t length = 0;
};

// Builds the GBK text for a buffer at `address` holding `length` bytes.
std::string FormatCaptureResultText(std::int32_t address, std::int32_t length);

// Splits the text at the separator; exactly two decimal parts are expected.
std::optional<CaptureLocation> ParseCaptureResultText(std::string_view text);

}  // namespace qv
