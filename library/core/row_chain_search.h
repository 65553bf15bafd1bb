#pragma once
// The row-chain search of the image finder: the big image's palette bytes are one byte
// sequence (row padding and row ends included), and a match at position pos has the
// target's bottom row at pos and each further row one stride up from the one before.
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "library/core/byte_set.h"
#include "library/core/palette_image.h"

namespace pixfarrow {

struct Point {
  std::int32_t x = -1;
  std::int32_t y = -1;
  friend bool operator==(const Point&, const Point&) = default;
};

inline constexpr Point kNotFound{-1, -1};

// The target's rows without padding, bottom row first (AltSearchCache::smallRows form).
std::vector<ByteSet> SplitRows(const PaletteImage& small);

// A target's rows as the search reads them, in place: bottom row first, stride bytes apart.
struct TargetRows {
  const std::uint8_t* data = nullptr;
  std::size_t stride = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  const std::uint8_t* Row(std::size_t j) const { return data + stride * j; }
};
TargetRows RowsOf(const PaletteImage& image);

// Whether a width x height target can match anywhere in a big image of bigStride x
// bigHeight palette bytes: its top row must end inside them.
bool MatchCanFit(std::int32_t bigStride, std::int32_t bigHeight, std::int32_t width, std::int32_t height);

// Where n bytes at a position differ from the expected ones, looked at from the last byte
// back: offset n when they do not; else the offset of the last byte that differs, and the
// byte found there.
struct Difference {
  std::size_t offset;
  std::uint8_t value;
};

// A byte that a candidate's byte must come with: the one `offset` positions further (offset
// may be negative) holds `value`.
struct Companion {
  std::ptrdiff_t offset = 0;
  std::uint8_t value = 0;
};

// A target prepared for searching one big image, scanning for the target byte that the
// big image holds least often, together with the next rarest. Haystack gives the big
// image's palette bytes: size(), SampleCounts() (rough counts of each byte value),
// FindByte(end, from, value) (first position in [from, end) holding value, or kNoMatch),
// FindPair(end, from, value, companion) (the same with its companion too; every position of
// [from, end) has its companion inside) and LastDifference(at, bytes, n).
template <class Haystack>
class RowChainSearch {
 public:
  // The big image's bytes, row length and height, and the target; all must outlive the search.
  RowChainSearch(Haystack& big, std::int32_t bigStride, std::int32_t bigHeight, const TargetRows& target);

  // 1-based position of the first match at or after 1-based start, or -1.
  std::int64_t Next(std::int64_t start);

  // The match's centre in the big image: x = column of its left edge + width div 2,
  // y = row from the top of its bottom row - height div 2 (x may exceed the image).
  Point CentreOf(std::int64_t pos) const;

 private:
  void ChooseRareByteAndProbes(const std::array<std::uint32_t, 256>& counts);
  void OrderRows();
  std::uint64_t Span() const;
  // 0 when the target matches at p, else how many starts from p on cannot match.
  std::size_t MatchesAt(std::size_t p);
  std::size_t Skip(std::size_t j, std::size_t column, std::uint8_t value) const;

  Haystack& big_;
  std::int32_t bigStride_;
  std::int32_t bigHeight_;
  TargetRows target_;  // height 0: never matches
  std::size_t rareRow_ = 0;
  std::size_t rareColumn_ = 0;
  // A few more of the target's rarest bytes, tried one by one before whole rows: where the
  // rare byte comes in bands (gradients), most candidates fail at one of them.
  struct Probe {
    std::size_t row;
    std::size_t column;
    std::uint8_t value;
  };
  std::vector<Probe> probes_;  // the first is scanned for with the rare byte
  Companion companion_;
  std::vector<std::size_t> rowOrder_;
  std::vector<std::bitset<256>> rowHolds_;  // the values each row holds
  std::size_t lastFailedRow_ = 0;
};

}  // namespace pixfarrow
