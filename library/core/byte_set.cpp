#include "library/core/byte_set.h"

#include <algorithm>
#include <cmath>

#include "library/core/byte_scan.h"

namespace pixfarrow {

ByteSet BytesFromPointer(const std::uint8_t* address, std::int32_t length) {
  if (length <= 0 || address == nullptr) return {};
  return ByteSet(address, address + length);
}

ByteSet BytesMid(const ByteSet& bytes, std::int64_t start, std::int64_t n) {
  const auto size = static_cast<std::int64_t>(bytes.size());
  if (start < 1 || start > size || n <= 0) return {};
  const std::int64_t count = std::min(n, size - start + 1);
  const auto first = bytes.begin() + (start - 1);
  return ByteSet(first, first + count);
}

std::int64_t FindBytes(const ByteSet& haystack, const ByteSet& needle, std::int64_t start) {
  if (start < 1) start = 1;
  const auto size = static_cast<std::int64_t>(haystack.size());
  if (needle.empty() || start > size) return -1;
  const std::size_t from = static_cast<std::size_t>(start - 1);
  const std::size_t found = FindPattern(haystack.data(), haystack.size(), from, needle.data(),
                                        needle.size(), ChooseRarestOffset(haystack.data(), haystack.size(),
                                                                          needle.data(), needle.size()));
  return found == kNoMatch ? -1 : static_cast<std::int64_t>(found) + 1;
}

double Remainder(double a, double b) { return std::fmod(a, b); }

std::int64_t IntDivide(std::int64_t a, std::int64_t b) { return a / b; }

}  // namespace pixfarrow
