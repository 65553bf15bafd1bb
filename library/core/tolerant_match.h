#pragma once
// Byte matching with a tolerance and a wildcard, on palette pixels: a tolerance is the
// largest allowed difference between two palette indexes, a wildcard a pattern byte value
// that matches anything (-1: none). Positions are 1-based; -1 means "not found".
#include <cstdint>

#include "library/core/byte_set.h"

namespace pixfarrow {

inline constexpr std::int32_t kNoWildcard = -1;

// First position at or after start (below 1: from the first byte) whose byte lies within
// tolerance of target; -1 when there is none, for a negative tolerance, or for a start
// beyond the end.
std::int64_t FindByteNear(const ByteSet& bytes, std::int32_t target, std::int32_t tolerance, std::int64_t start = 0);

// First position at or after start where pattern matches haystack; -1 when none does,
// for an empty pattern or one longer than what remains. Pattern bytes equal to wildcard
// match anything, except the first byte of a search with tolerance 0, which must be equal.
// Wildcard -1 and tolerance 0 is the exact search (FindBytes).
std::int64_t FindBytesNear(const ByteSet& haystack, const ByteSet& pattern, std::int64_t start = 0,
                           std::int32_t wildcard = 0, std::int32_t tolerance = 0);

// 1 when data and pattern have the same length and match byte for byte (the wildcard
// applies to every byte, the first included), else 0. Two empty buffers match.
std::int32_t BytesNear(const ByteSet& data, const ByteSet& pattern, std::int32_t wildcard, std::int32_t tolerance);

}  // namespace pixfarrow
