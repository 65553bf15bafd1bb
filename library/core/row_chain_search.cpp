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
  const std::uint8_t* best = target_.Row(0);
  for (std::size_t j = 0; j < static_cast<std::size_t>(target_.height); ++j) {
    const std::uint8_t* row = target_.Row(j);
    for (std::size_t k = 0; k < static_cast<std::size_t>(target_.width); ++k) {
      if (counts[row[k]] < counts[*best]) best = row + k, rareRow_ = j, rareColumn_ = k;
    }
  }
  // The probes: of each other value the target holds, its first byte; the rarest few.
  std::array<bool, 256> taken{};
  taken[*best] = true;
  std::vector<Probe> all;
  for (std::size_t j = 0; j < static_cast<std::size_t>(target_.height); ++j) {
    const std::uint8_t* row = target_.Row(j);
    for (std::size_t k = 0; k < static_cast<std::size_t>(target_.width); ++k) {
      if (!taken[row[k]]) taken[row[k]] = true, all.push_back({static_cast<std::size_t>(bigStride_) * j + k, row[k]});
    }
  }
  std::sort(all.begin(), all.end(), [&](const Probe& a, const Probe& b) {
    return counts[a.value] != counts[b.value] ? counts[a.value] < counts[b.value] : a.offset < b.offset;
  });
  probes_.assign(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(all.size(), kProbes)));
}

// Every row of a match must fit: the top one ends at p + stride x (height - 1) + width.
template <class Haystack>
std::uint64_t RowChainSearch<Haystack>::Span() const {
  return static_cast<std::uint64_t>(bigStride_) * static_cast<std::uint64_t>(target_.height - 1) +
         static_cast<std::uint64_t>(target_.width);
}

template <class Haystack>
bool RowChainSearch<Haystack>::MatchesAt(std::size_t p) {
  for (const Probe& probe : probes_) {
    if (!big_.Equal(p + probe.offset, &probe.value, 1)) return false;
  }
  const std::size_t stride = static_cast<std::size_t>(bigStride_), w = static_cast<std::size_t>(target_.width);
  if (!big_.Equal(p + stride * rareRow_, target_.Row(rareRow_), w)) return false;
  for (std::size_t j = 0; j < static_cast<std::size_t>(target_.height); ++j) {
    if (j != rareRow_ && !big_.Equal(p + stride * j, target_.Row(j), w)) return false;
  }
  return true;
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
  // Positions of the rare byte come in increasing order, so the first verified one is the
  // first match.
  for (std::size_t q = static_cast<std::size_t>(start - 1) + delta;; ++q) {
    q = big_.FindByte(lastStart + delta + 1, q, rare);
    if (q == kNoMatch) return -1;
    if (MatchesAt(q - delta)) return static_cast<std::int64_t>(q - delta) + 1;
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
