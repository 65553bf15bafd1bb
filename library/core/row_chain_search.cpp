#include "library/core/row_chain_search.h"

#include <cstring>

#include "library/core/byte_scan.h"

namespace pixfarrow {

std::vector<ByteSet> SplitRows(const PaletteImage& small) {
  std::vector<ByteSet> rows;
  rows.reserve(static_cast<std::size_t>(small.height));
  for (std::int32_t i = 1; i <= small.height; ++i) {
    rows.push_back(BytesMid(small.pixels, static_cast<std::int64_t>(small.stride) * (i - 1) + 1, small.width));
  }
  return rows;
}

RowChainSearch::RowChainSearch(const ByteSet& bigPixels, std::int32_t bigStride, std::int32_t bigHeight,
                               const std::vector<ByteSet>& rows, std::int32_t width)
    : big_(bigPixels), bigStride_(bigStride), bigHeight_(bigHeight), width_(width), height_(static_cast<std::int32_t>(rows.size())) {
  packed_.reserve(static_cast<std::size_t>(width_) * rows.size());
  for (const ByteSet& row : rows) packed_.insert(packed_.end(), row.begin(), row.end());
  // Rows of another length than width never match.
  if (width_ < 1 || packed_.size() != static_cast<std::size_t>(width_) * rows.size()) height_ = 0;
  if (height_ == 0) return;
  const auto counts = SampleByteCounts(big_.data(), big_.size());
  std::size_t best = 0;
  for (std::size_t k = 1; k < packed_.size(); ++k) {
    if (counts[packed_[k]] < counts[packed_[best]]) best = k;
  }
  rareRow_ = best / static_cast<std::size_t>(width_);
  rareColumn_ = best % static_cast<std::size_t>(width_);
}

bool RowChainSearch::MatchesAt(std::size_t p) const {
  const std::uint8_t* hay = big_.data();
  const std::size_t stride = static_cast<std::size_t>(bigStride_), w = static_cast<std::size_t>(width_);
  if (std::memcmp(hay + p + stride * rareRow_, packed_.data() + w * rareRow_, w) != 0) return false;
  for (std::size_t j = 0; j < static_cast<std::size_t>(height_); ++j) {
    if (j != rareRow_ && std::memcmp(hay + p + stride * j, packed_.data() + w * j, w) != 0) return false;
  }
  return true;
}

std::int64_t RowChainSearch::Next(std::int64_t start) const {
  if (height_ < 1 || width_ < 1 || bigStride_ < 1) return -1;
  if (start < 1) start = 1;
  const std::uint64_t size = big_.size();
  // Every row of a match must fit: the top one ends at p + stride x (height - 1) + width.
  const std::uint64_t span = static_cast<std::uint64_t>(bigStride_) * (height_ - 1) + width_;
  if (span > size || static_cast<std::uint64_t>(start - 1) > size - span) return -1;
  const std::size_t lastStart = static_cast<std::size_t>(size - span);
  const std::size_t delta = static_cast<std::size_t>(bigStride_) * rareRow_ + rareColumn_;
  const std::uint8_t rare = packed_[static_cast<std::size_t>(width_) * rareRow_ + rareColumn_];
  // Positions of the rare byte come in increasing order, so the first verified one is the
  // first match.
  for (std::size_t q = static_cast<std::size_t>(start - 1) + delta;; ++q) {
    q = FindByte(big_.data(), lastStart + delta + 1, q, rare);
    if (q == kNoMatch) return -1;
    if (MatchesAt(q - delta)) return static_cast<std::int64_t>(q - delta) + 1;
  }
}

Point RowChainSearch::CentreOf(std::int64_t pos) const {
  const std::int64_t stride = bigStride_;
  const std::int64_t x = (pos - 1) % stride + width_ / 2;
  const std::int64_t y = (bigHeight_ - (pos - 1) / stride - 1) - height_ / 2;
  return {static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)};
}

}  // namespace pixfarrow
