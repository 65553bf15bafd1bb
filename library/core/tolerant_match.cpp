#include "library/core/tolerant_match.h"

#include <algorithm>
#include <cstdlib>

#include "library/core/byte_range_scan.h"

namespace pixfarrow {
namespace {

struct ByteRange {
  std::uint8_t low = 1;
  std::uint8_t high = 0;  // empty when low > high
};

// The byte values within tolerance of target (tolerance >= 0).
ByteRange RangeNear(std::int64_t target, std::int64_t tolerance) {
  const std::int64_t low = std::max<std::int64_t>(0, target - tolerance);
  const std::int64_t high = std::min<std::int64_t>(255, target + tolerance);
  if (low > high) return {};
  return {static_cast<std::uint8_t>(low), static_cast<std::uint8_t>(high)};
}

bool Near(std::uint8_t a, std::uint8_t b, std::int32_t tolerance) {
  return tolerance == 0 ? a == b : std::abs(static_cast<int>(a) - static_cast<int>(b)) <= tolerance;
}

bool IsWildcard(std::uint8_t patternByte, std::int32_t wildcard) {
  return wildcard != kNoWildcard && patternByte == wildcard;
}

}  // namespace

std::int64_t FindByteNear(const ByteSet& bytes, std::int32_t target, std::int32_t tolerance, std::int64_t start) {
  if (tolerance < 0) return -1;
  if (start < 1) start = 1;
  if (start > static_cast<std::int64_t>(bytes.size())) return -1;
  const ByteRange range = RangeNear(target, tolerance);
  const std::size_t found =
      FindByteInRange(bytes.data(), bytes.size(), static_cast<std::size_t>(start - 1), range.low, range.high);
  return found == kNoMatch ? -1 : static_cast<std::int64_t>(found) + 1;
}

std::int64_t FindBytesNear(const ByteSet& haystack, const ByteSet& pattern, std::int64_t start,
                           std::int32_t wildcard, std::int32_t tolerance) {
  if (start < 1) start = 1;
  if (wildcard == kNoWildcard && tolerance == 0) return FindBytes(haystack, pattern, start);
  const std::size_t n = pattern.size(), size = haystack.size();
  if (n == 0 || n > size || static_cast<std::uint64_t>(start - 1) > size - n) return -1;

  // Byte k matches at candidate i when it is a wildcard (never the first one of an exact
  // search) or lies within the tolerance.
  const bool firstExact = tolerance == 0;
  auto matchesAt = [&](std::size_t i, std::size_t k) {
    if (IsWildcard(pattern[k], wildcard) && !(firstExact && k == 0)) return true;
    return Near(haystack[i + k], pattern[k], tolerance);
  };
  // Scan for the first byte that is no wildcard; every candidate must hold it in range.
  std::size_t anchor = 0;
  while (anchor < n && !(firstExact && anchor == 0) && IsWildcard(pattern[anchor], wildcard)) ++anchor;
  const std::size_t last = size - n;  // last candidate, 0-based
  std::size_t i = static_cast<std::size_t>(start - 1);
  if (anchor == n) return static_cast<std::int64_t>(i) + 1;  // all wildcards: the first candidate
  const ByteRange range = RangeNear(pattern[anchor], tolerance);
  while (i <= last) {
    const std::size_t hit = FindByteInRange(haystack.data(), last + anchor + 1, i + anchor, range.low, range.high);
    if (hit == kNoMatch) return -1;
    i = hit - anchor;
    std::size_t k = 0;
    while (k < n && matchesAt(i, k)) ++k;
    if (k == n) return static_cast<std::int64_t>(i) + 1;
    ++i;
  }
  return -1;
}

std::int32_t BytesNear(const ByteSet& data, const ByteSet& pattern, std::int32_t wildcard, std::int32_t tolerance) {
  if (data.size() != pattern.size()) return 0;
  for (std::size_t k = 0; k < data.size(); ++k) {
    if (IsWildcard(pattern[k], wildcard)) continue;
    if (tolerance == 0 ? data[k] != pattern[k]
                       : std::abs(static_cast<int>(data[k]) - static_cast<int>(pattern[k])) > tolerance) {
      return 0;
    }
  }
  return 1;
}

}  // namespace pixfarrow
