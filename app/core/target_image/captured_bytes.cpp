#include "app/core/target_image/captured_bytes.h"

#include <string_view>

#include "common/capture_result_text.h"

namespace quorvela {

namespace {

// Two int32 numbers and the separator fit well within this; a longer text is not one.
constexpr std::size_t kLongestResultText = 64;

std::string_view boundedText(const char* text) {
  std::size_t length = 0;
  while (length < kLongestResultText && text[length] != '\0') ++length;
  return {text, length};
}

}  // namespace

ByteBuffer CapturedBytesFromText(const char* resultText, const MemoryReader& read) {
  if (resultText == nullptr) return {};
  const std::string_view text = boundedText(resultText);
  if (text.size() == kLongestResultText) return {};
  const auto location = qv::ParseCaptureResultText(text);
  if (!location || location->length <= 0 || location->address == 0) return {};
  ByteBuffer bytes = read(static_cast<std::uint32_t>(location->address), location->length);
  if (bytes.size() != static_cast<std::size_t>(location->length)) return {};
  return bytes;
}

}  // namespace quorvela
