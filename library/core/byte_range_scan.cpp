#include "library/core/byte_range_scan.h"

#include "library/core/byte_words.h"

namespace pixfarrow {
namespace {

using namespace words;

// Each byte of x minus the same byte of y, modulo 256, with no borrow between bytes.
inline Word SubtractBytes(Word x, Word y) { return ((x | kHighs) - (y & ~kHighs)) ^ ((x ^ ~y) & kHighs); }

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
      const Word hits = BytesBelow(SubtractBytes(Load(data + i), lows), span);
      if (hits != 0) return i + FirstFlagged(hits);
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
