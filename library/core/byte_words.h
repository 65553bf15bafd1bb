#pragma once
// Bytes a machine word at a time: the constants and tests that the word scans share.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace pixfarrow::words {

using Word = std::size_t;
static_assert(std::endian::native == std::endian::little, "the word scans assume little-endian");

inline constexpr Word kOnes = static_cast<Word>(-1) / 0xFF;  // 0x0101...
inline constexpr Word kHighs = kOnes * 0x80;                  // 0x8080...

inline Word Load(const std::uint8_t* at) {
  Word w;
  std::memcpy(&w, at, sizeof w);
  return w;
}

// Flags the bytes of v below n (1 <= n <= 128). Only the lowest flag is exact (a borrow
// runs upward from a true flag), which is all a first-hit scan needs.
inline Word BytesBelow(Word v, Word n) { return (v - kOnes * n) & ~v & kHighs; }

// Index within the word of the lowest flagged byte (flags non-zero).
inline std::size_t FirstFlagged(Word flags) { return static_cast<std::size_t>(std::countr_zero(flags)) / 8; }

}  // namespace pixfarrow::words
