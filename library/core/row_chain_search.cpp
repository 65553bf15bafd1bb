#include "library/core/row_chain_search.h"

#include <algorithm>
#include <array>

#include "library/core/byte_scan.h"
#include "library/core/capture_palette_bytes.h"
#include "library/core/palette_bytes_view.h"

namespace pixfarrow {
namespace {

constexpr std::size_t kProbes = 3;

}  // namespace

std::vector<ByteSet> SplitRows(const PaletteImage& small) {
  std::vector<ByteSet> rows;
  rows.reserve(static_cast<std::size_t>(small.height));
  for (std::int32_t i = 1; i <= small.height; ++i) {
    rows.push_back(BytesMid(small.pixels, static_cast<std::int64_t>(small.stride) * (i - 1) + 1, small.width));
  }
  return rows;
}

TargetRows RowsOf(const PaletteImage& image) {
  return {image.pixels.data(), static_cast<std::size_t>(image.stride), image.width, image.height};
}

bool MatchCanFit(std::int32_t bigStride, std::int32_t bigHeight, std::int32_t width, std::int32_t height) {
  if (bigStride < 1 || bigHeight < 1 || width < 1 || height < 1) return false;
  const std::uint64_t span = static_cast<std::uint64_t>(bigStride) * static_cast<std::uint64_t>(height - 1) +
                             static_cast<std::uint64_t>(width);
  return span <= static_cast<std::uint64_t>(bigStride) * static_cast<std::uint64_t>(bigHeight);
}

template <class Haystack>
RowChainSearch<Haystack>::RowChainSearch(Haystack& big, std::int32_t bigStride, std::int32_t bigHeight,
                                         const TargetRows& target)
    : big_(big), bigStride_(bigStride), bigHeight_(bigHeight), target_(target) {
  if (target_.width < 1 || target_.height < 1 || bigStride_ < 1 || Span() > big_.size()) {
    target_.height = 0;  // no match fits: the big image is not even sampled
    return;
  }
  const auto counts = big_.SampleCounts();
  ChooseRareByteAndProbes(counts);
  OrderRows();
}

template <class Haystack>
void RowChainSearch<Haystack>::ChooseRareByteAndProbes(const std::array<std::uint32_t, 256>& counts) {
  const std::size_t h = static_cast<std::size_t>(target_.height), w = static_cast<std::size_t>(target_.width);
  const std::uint8_t* best = target_.Row(0);
  for (std::size_t j = 0; j < h; ++j) {
    const std::uint8_t* row = target_.Row(j);
    for (std::size_t k = 0; k < w; ++k) {
      if (counts[row[k]] < counts[*best]) best = row + k, rareRow_ = j, rareColumn_ = k;
    }
  }
  // Of each other value the target holds its first byte; the rarest few.
  std::array<bool, 256> taken{};
  taken[*best] = true;
  std::vector<Probe> all;
  for (std::size_t j = 0; j < h; ++j) {
    const std::uint8_t* row = target_.Row(j);
    for (std::size_t k = 0; k < w; ++k) {
      if (!taken[row[k]]) taken[row[k]] = true, all.push_back({j, k, row[k]});
    }
  }
  std::sort(all.begin(), all.end(), [&](const Probe& a, const Probe& b) {
    return counts[a.value] != counts[b.value] ? counts[a.value] < counts[b.value]
                                              : a.row != b.row ? a.row < b.row : a.column < b.column;
  });
  probes_.assign(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(all.size(), kProbes)));
  if (!probes_.empty()) {
    const auto stride = static_cast<std::ptrdiff_t>(bigStride_);
    companion_ = {(static_cast<std::ptrdiff_t>(probes_[0].row) - static_cast<std::ptrdiff_t>(rareRow_)) * stride +
                      static_cast<std::ptrdiff_t>(probes_[0].column) - static_cast<std::ptrdiff_t>(rareColumn_),
                  probes_[0].value};
  }
}

// Rows in an order that spreads out over the target (0, h/2, h/4, 3h/4, ...): an edge
// across part of a candidate is met after a few rows, not after half of them. And which
// values each row holds, for Skip.
template <class Haystack>
void RowChainSearch<Haystack>::OrderRows() {
  const std::size_t h = static_cast<std::size_t>(target_.height);
  std::size_t bits = 0;
  while ((std::size_t{1} << bits) < h) ++bits;
  for (std::size_t i = 0; i < (std::size_t{1} << bits); ++i) {
    std::size_t j = 0;
    for (std::size_t b = 0; b < bits; ++b) j |= ((i >> b) & 1) << (bits - 1 - b);
    if (j < h) rowOrder_.push_back(j);
  }
  lastFailedRow_ = rareRow_;
  rowHolds_.resize(h);
  for (std::size_t j = 0; j < h; ++j) {
    for (std::size_t k = 0; k < static_cast<std::size_t>(target_.width); ++k) rowHolds_[j][target_.Row(j)[k]] = true;
  }
}

// Every row of a match must fit: the top one ends at p + stride x (height - 1) + width.
template <class Haystack>
std::uint64_t RowChainSearch<Haystack>::Span() const {
  return static_cast<std::uint64_t>(bigStride_) * static_cast<std::uint64_t>(target_.height - 1) +
         static_cast<std::uint64_t>(target_.width);
}

// Target row j cannot match at any start before p + Skip when the big image holds value at
// p + stride x j + column: at p + d (d <= column) that byte faces the row's column - d,
// so the nearest start that can match puts the row's last earlier copy of value there.
// Rows are compared from their end, so the column is the last one that differs and the
// skip passes every edge the row met.
template <class Haystack>
std::size_t RowChainSearch<Haystack>::Skip(std::size_t j, std::size_t column, std::uint8_t value) const {
  if (!rowHolds_[j][value]) return column + 1;
  const std::uint8_t* row = target_.Row(j);
  for (std::size_t c = column; c-- > 0;) {
    if (row[c] == value) return column - c;
  }
  return column + 1;
}

template <class Haystack>
std::size_t RowChainSearch<Haystack>::MatchesAt(std::size_t p) {
  const std::size_t stride = static_cast<std::size_t>(bigStride_), w = static_cast<std::size_t>(target_.width);
  for (std::size_t i = 1; i < probes_.size(); ++i) {  // the first came with the rare byte
    const Probe& probe = probes_[i];
    const Difference d = big_.LastDifference(p + stride * probe.row + probe.column, &probe.value, 1);
    if (d.offset == 0) return Skip(probe.row, probe.column, d.value);
  }
  // The row that failed last first: where the image holds one colour in large areas, the
  // same edge stops candidate after candidate.
  auto failsAt = [&](std::size_t j) -> std::size_t {
    const Difference d = big_.LastDifference(p + stride * j, target_.Row(j), w);
    if (d.offset == w) return 0;
    lastFailedRow_ = j;
    return Skip(j, d.offset, d.value);
  };
  const std::size_t first = lastFailedRow_;
  if (const std::size_t skip = failsAt(first)) return skip;
  for (const std::size_t j : rowOrder_) {
    if (j == first) continue;
    if (const std::size_t skip = failsAt(j)) return skip;
  }
  return 0;
}

template <class Haystack>
std::int64_t RowChainSearch<Haystack>::Next(std::int64_t start) {
  if (target_.height < 1) return -1;
  if (start < 1) start = 1;
  const std::uint64_t size = big_.size(), span = Span();
  if (static_cast<std::uint64_t>(start - 1) > size - span) return -1;
  const std::size_t lastStart = static_cast<std::size_t>(size - span);
  const std::size_t delta = static_cast<std::size_t>(bigStride_) * rareRow_ + rareColumn_;
  const std::uint8_t rare = target_.Row(rareRow_)[rareColumn_];
  // Positions of the rare byte come in increasing order and no skipped start can match, so
  // the first verified one is the first match. Most of them lack the first probe's byte
  // (90 % of those in a photo): the haystack passes them over in its scan.
  for (std::size_t q = static_cast<std::size_t>(start - 1) + delta;;) {
    q = probes_.empty() ? big_.FindByte(lastStart + delta + 1, q, rare)
                        : big_.FindPair(lastStart + delta + 1, q, rare, companion_);
    if (q == kNoMatch) return -1;
    const std::size_t p = q - delta, skip = MatchesAt(p);
    if (skip == 0) return static_cast<std::int64_t>(p) + 1;
    q = p + skip + delta;
  }
}

template <class Haystack>
Point RowChainSearch<Haystack>::CentreOf(std::int64_t pos) const {
  const std::int64_t stride = bigStride_;
  const std::int64_t x = (pos - 1) % stride + target_.width / 2;
  const std::int64_t y = (bigHeight_ - (pos - 1) / stride - 1) - target_.height / 2;
  return {static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)};
}

template class RowChainSearch<PaletteBytesView>;
template class RowChainSearch<CapturePaletteBytes>;

}  // namespace pixfarrow
