#pragma once
// Fast scans over byte buffers: a word-at-a-time byte search and a pattern search that
// looks for the pattern's rarest byte first (UI images are mostly one background colour).
#include <array>
#include <cstddef>
#include <cstdint>

namespace pixfarrow {

inline constexpr std::size_t kNoMatch = static_cast<std::size_t>(-1);

// Index of the first byte equal to value in data[from, size), or kNoMatch.
std::size_t FindByte(const std::uint8_t* data, std::size_t size, std::size_t from, std::uint8_t value);

// Index of the last byte where a and b differ among their first n, or n when none does.
std::size_t LastDifferentByte(const std::uint8_t* a, const std::uint8_t* b, std::size_t n);

// Rough counts of each byte value in data, from a sparse sample (cheap, for choosing
// which byte of a pattern to scan for).
std::array<std::uint32_t, 256> SampleByteCounts(const std::uint8_t* data, std::size_t size);

// Offset in needle of the byte that the sample of haystack holds least often (the first
// such offset on ties).
std::size_t ChooseRarestOffset(const std::uint8_t* haystack, std::size_t haystackSize,
                               const std::uint8_t* needle, std::size_t needleSize);

// Index of the first occurrence of needle in haystack that begins at or after from, or
// kNoMatch. rareOffset (< needleSize) names the needle byte to scan for; any choice gives
// the same result, a rare one gives it fastest.
std::size_t FindPattern(const std::uint8_t* haystack, std::size_t haystackSize, std::size_t from,
                        const std::uint8_t* needle, std::size_t needleSize, std::size_t rareOffset);

}  // namespace pixfarrow
