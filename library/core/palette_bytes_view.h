#pragma once
// Palette bytes already in memory, as the row-chain search reads them.
#include <array>
#include <cstdint>

#include "library/core/byte_scan.h"
#include "library/core/byte_set.h"
#include "library/core/row_chain_search.h"

namespace pixfarrow {

class PaletteBytesView {
 public:
  explicit PaletteBytesView(const ByteSet& bytes) : data_(bytes.data()), size_(bytes.size()) {}

  std::size_t size() const { return size_; }
  std::array<std::uint32_t, 256> SampleCounts() const { return SampleByteCounts(data_, size_); }
  std::size_t FindByte(std::size_t end, std::size_t from, std::uint8_t value) const {
    return pixfarrow::FindByte(data_, end, from, value);
  }
  std::size_t FindPair(std::size_t end, std::size_t from, std::uint8_t value, Companion with) const {
    for (std::size_t q = from;; ++q) {
      q = pixfarrow::FindByte(data_, end, q, value);
      if (q == kNoMatch || data_[static_cast<std::ptrdiff_t>(q) + with.offset] == with.value) return q;
    }
  }
  Difference LastDifference(std::size_t at, const std::uint8_t* bytes, std::size_t n) const {
    const std::size_t k = LastDifferentByte(data_ + at, bytes, n);
    return {k, k < n ? data_[at + k] : std::uint8_t{0}};
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

}  // namespace pixfarrow
