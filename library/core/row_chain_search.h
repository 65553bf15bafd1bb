#pragma once
// The row-chain search of the image finder: the big image's palette bytes are one byte
// sequence (row padding and row ends included), and a match at position pos has the
// target's bottom row at pos and each further row one stride up from the one before.
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

// A target prepared for searching one big image: rows packed together and the byte to
// scan for, the one that the big image holds least often.
class RowChainSearch {
 public:
  // The big image's palette bytes, row length and height; they must outlive the search.
  RowChainSearch(const ByteSet& bigPixels, std::int32_t bigStride, std::int32_t bigHeight,
                 const std::vector<ByteSet>& rows, std::int32_t width);

  // 1-based position of the first match at or after 1-based start, or -1.
  std::int64_t Next(std::int64_t start) const;

  // The match's centre in the big image: x = column of its left edge + width div 2,
  // y = row from the top of its bottom row - height div 2 (x may exceed the image).
  Point CentreOf(std::int64_t pos) const;

 private:
  bool MatchesAt(std::size_t p) const;

  const ByteSet& big_;
  std::int32_t bigStride_;
  std::int32_t bigHeight_;
  ByteSet packed_;  // the rows, width_ bytes each
  std::int32_t width_;
  std::int32_t height_;
  std::size_t rareRow_ = 0;
  std::size_t rareColumn_ = 0;
};

}  // namespace pixfarrow
