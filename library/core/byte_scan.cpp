#include "library/core/byte_scan.h"

#include <bit>
#include <cstring>

#include "library/core/byte_words.h"

namespace pixfarrow {
namespace {

using namespace words;

constexpr std::size_t kSampleStep = 61;  // odd, so row strides do not alias

}  // namespace

std::size_t FindByte(const std::uint8_t* data, std::size_t size, std::size_t from, std::uint8_t value) {
  std::size_t i = from;
  if (i >= size) return kNoMatch;
  const Word pattern = kOnes * value;
  while (i + sizeof(Word) <= size) {
    // A zero byte of w ^ pattern is an equal byte.
    const Word hits = BytesBelow(Load(data + i) ^ pattern, 1);
    if (hits != 0) return i + FirstFlagged(hits);
    i += sizeof(Word);
  }
  for (; i < size; ++i) {
    if (data[i] == value) return i;
  }
  return kNoMatch;
}

std::size_t LastDifferentByte(const std::uint8_t* a, const std::uint8_t* b, std::size_t n) {
  std::size_t i = n;
  for (; i >= sizeof(Word); i -= sizeof(Word)) {
    const Word x = Load(a + i - sizeof(Word)) ^ Load(b + i - sizeof(Word));
    if (x != 0) return i - 1 - static_cast<std::size_t>(std::countl_zero(x)) / 8;
  }
  while (i-- > 0) {
    if (a[i] != b[i]) return i;
  }
  return n;
}

std::array<std::uint32_t, 256> SampleByteCounts(const std::uint8_t* data, std::size_t size) {
  std::array<std::uint32_t, 256> counts{};
  for (std::size_t i = 0; i < size; i += kSampleStep) ++counts[data[i]];
  return counts;
}

std::size_t ChooseRarestOffset(const std::uint8_t* haystack, std::size_t haystackSize,
                               const std::uint8_t* needle, std::size_t needleSize) {
  const auto counts = SampleByteCounts(haystack, haystackSize);
  std::size_t best = 0;
  for (std::size_t k = 1; k < needleSize; ++k) {
    if (counts[needle[k]] < counts[needle[best]]) best = k;
  }
  return best;
}

std::size_t FindPattern(const std::uint8_t* haystack, std::size_t haystackSize, std::size_t from,
                        const std::uint8_t* needle, std::size_t needleSize, std::size_t rareOffset) {
  if (needleSize == 0 || needleSize > haystackSize || from > haystackSize - needleSize) return kNoMatch;
  const std::size_t last = haystackSize - needleSize;  // last possible start
  const std::uint8_t rare = needle[rareOffset];
  std::size_t p = from + rareOffset;
  while (true) {
    p = FindByte(haystack, last + rareOffset + 1, p, rare);
    if (p == kNoMatch) return kNoMatch;
    const std::size_t start = p - rareOffset;
    if (std::memcmp(haystack + start, needle, needleSize) == 0) return start;
    ++p;
  }
}

}  // namespace pixfarrow
