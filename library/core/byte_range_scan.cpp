#include "library/core/byte_range_scan.h"

#include <bit>
#include <cstring>

namespace pixfarrow {
namespace {

using Word = std::size_t;
static_assert(std::endian::native == std::endian::little, "the word scan assumes little-endian");

constexpr Word kOnes = static_cast<Word>(-1) / 0xFF;  // 0x0101...
constexpr Word kHighs = kOnes * 0x80;                  // 0x8080...

// Each byte of x minus the same byte of y, modulo 256, with no borrow between bytes.
inline Word SubtractBytes(Word x, Word y) { return ((x | kHighs) - (y & ~kHighs)) ^ ((x ^ ~y) & kHighs); }

// Flags the bytes of v below n (n <= 128). Only the lowest flag is exact (a borrow runs
// upward from a true flag), which is all a first-hit scan needs.
inline Word BytesBelow(Word v, Word n) { return (v - kOnes * n) & ~v & kHighs; }

}  // namespace

std::size_t FindByteInRange(const std::uint8_t* data, std::size_t size, std::size_t from, std::uint8_t low,
                            std::uint8_t high) {
  if (low > high || from >= size) return kNoMatch;
  if (low == high) return FindByte(data, size, from, low);
  const unsigned span = static_cast<unsigned>(high - low) + 1;  // 2 .. 256
  std::size_t i = from;
  if (span <= 128) {
    const Word lows = kOnes * low;
    while (i + sizeof(Word) <= size) {
      Word w;
      std::memcpy(&w, data + i, sizeof w);
      const Word hits = BytesBelow(SubtractBytes(w, lows), span);
      if (hits != 0) return i + static_cast<std::size_t>(std::countr_zero(hits)) / 8;
      i += sizeof(Word);
    }
  }
  // A wide range accepts most bytes; the plain loop ends soon.
  for (; i < size; ++i) {
    if (data[i] >= low && data[i] <= high) return i;
  }
  return kNoMatch;
}

}  // namespace pixfarrow
