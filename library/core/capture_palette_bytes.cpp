#include "library/core/capture_palette_bytes.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "library/core/byte_scan.h"
#include "library/core/palette_image.h"
#include "library/core/spare_buffer.h"

namespace pixfarrow {
namespace {

// Samples 61 apart, as SampleByteCounts, but no more than about 4096 of them: a step
// prime to the row length, so that the samples fall on every column.
std::size_t SampleStep(std::size_t size, std::size_t stride) {
  std::size_t step = std::max<std::size_t>(61, size / 4096) | 1;
  while (std::gcd(step, stride) != 1) step += 2;
  return step;
}

// A pixel's colour, 0x00RRGGBB.
std::uint32_t ColourOf(const std::uint8_t* pixel) {
  return pixel[0] | (pixel[1] << 8) | (static_cast<std::uint32_t>(pixel[2]) << 16);
}

}  // namespace

CapturePaletteBytes::CapturePaletteBytes(const BmpLayout& layout, std::span<const std::uint8_t> file)
    : layout_(layout),
      file_(file),
      map_(FixedPaletteMap::Get()),
      width_(static_cast<std::size_t>(layout.width)),
      stride_(static_cast<std::size_t>(PaletteStride(layout.width))),
      size_(stride_ * static_cast<std::size_t>(layout.height)),
      bytesPerPixel_(static_cast<std::size_t>(layout.bitCount / 8)),
      reciprocal_(((std::uint64_t{1} << 32) / stride_) + 1),
      budget_(width_ * static_cast<std::size_t>(layout.height) / 16) {
  map_.Warm();
}

CapturePaletteBytes::~CapturePaletteBytes() {
  if (Converted()) KeepSpareBuffer(std::move(converted_));
}

std::size_t CapturePaletteBytes::RowOf(std::size_t pos) const {
  // pos x reciprocal / 2^32 is pos / stride or one more (pos < 2^32, reciprocal =
  // floor(2^32 / stride) + 1): a multiplication and a test instead of a division, which
  // every candidate of a search would otherwise pay twice.
  std::size_t y = static_cast<std::size_t>((std::uint64_t{pos} * reciprocal_) >> 32);
  if (y * stride_ > pos) --y;
  return y;
}

const std::uint8_t* CapturePaletteBytes::Row(std::size_t y) const {
  const std::size_t i = layout_.topDown ? static_cast<std::size_t>(layout_.height) - 1 - y : y;
  return file_.data() + layout_.pixelOffset + i * layout_.rowBytes;
}

void CapturePaletteBytes::Spend(std::size_t conversions) {
  if (conversions < budget_) {
    budget_ -= conversions;
    return;
  }
  budget_ = 0;
  ByteSet bytes = TakeSpareBuffer();
  DecodePaletteBytes(layout_, file_, bytes);
  converted_ = std::move(bytes);
}

std::array<std::uint32_t, 256> CapturePaletteBytes::SampleCounts() {
  if (Converted()) return SampleByteCounts(converted_.data(), converted_.size());
  std::array<std::uint32_t, 256> counts{};
  const std::size_t step = SampleStep(size_, stride_);
  std::uint32_t last = ~0u;  // most samples of a screen repeat the one before
  std::uint8_t lastIndex = 0;
  for (std::size_t y = 0, x = 0; y < static_cast<std::size_t>(layout_.height);) {
    if (x >= width_) {
      ++counts[0];  // row padding
    } else {
      const std::uint32_t colour = ColourOf(Row(y) + x * bytesPerPixel_);
      if (colour != last) last = colour, lastIndex = map_.Index(colour);
      ++counts[lastIndex];
    }
    for (x += step; x >= stride_; x -= stride_) ++y;
  }
  return counts;
}

std::uint8_t CapturePaletteBytes::IndexAt(std::size_t pos) {
  if (Converted()) return converted_[pos];
  const std::size_t y = RowOf(pos), x = pos - y * stride_;
  if (x >= width_) return 0;  // row padding
  Spend(1);
  return IndexOf(Row(y) + x * bytesPerPixel_);
}

template <class Accept>
std::size_t CapturePaletteBytes::ScanConverted(std::size_t end, std::size_t from, std::uint8_t value,
                                               const Accept& accept) const {
  for (std::size_t q = from;; ++q) {
    q = pixfarrow::FindByte(converted_.data(), end, q, value);
    if (q == kNoMatch || accept(q)) return q;
  }
}

template <class Accept>
std::size_t CapturePaletteBytes::Scan(std::size_t end, std::size_t from, std::uint8_t value, const Accept& accept) {
  end = std::min(end, size_);
  if (Converted()) return ScanConverted(end, from, value, accept);
  if (scanned_ != value) {
    scanned_ = value, scan_.emplace(map_.BoundsOf(value), bytesPerPixel_);
    rejected_ = accepted_ = ~0u;
  }
  std::size_t y = RowOf(from), x = from - y * stride_;
  for (std::size_t rowStart = y * stride_; rowStart < end; ++y, rowStart += stride_, x = 0) {
    const std::size_t rowEnd = std::min(end - rowStart, stride_), pixelEnd = std::min(width_, rowEnd);
    const std::uint8_t* row = Row(y);
    while (x < pixelEnd) {
      const std::size_t k = scan_->Find(row + x * bytesPerPixel_, pixelEnd - x);
      if (k == kNoPixel) {
        x = pixelEnd;
        break;
      }
      x += k;
      const std::uint8_t* p = row + x * bytesPerPixel_;
      const std::uint32_t colour = ColourOf(p);
      if (colour == accepted_ || (colour != rejected_ && map_.Index(colour) == value)) {
        accepted_ = colour;
        if (accept(rowStart + x)) return rowStart + x;
        if (Converted()) return ScanConverted(end, rowStart + x + 1, value, accept);
        ++x;  // the next pixel of the run is a candidate of its own
        continue;
      }
      if (colour != rejected_) {  // a colour inside the bounds but of another index, once
        rejected_ = colour;
        Spend(1);
        if (Converted()) return ScanConverted(end, rowStart + x + 1, value, accept);
      }
      // The rest of its run at once: screens are mostly runs of one colour.
      for (++x, p += bytesPerPixel_; x < pixelEnd && ColourOf(p) == colour; ++x, p += bytesPerPixel_) {
      }
    }
    if (value != 0) continue;
    for (x = std::max(x, width_); x < rowEnd; ++x) {  // the row padding bytes are 0
      if (accept(rowStart + x)) return rowStart + x;
      if (Converted()) return ScanConverted(end, rowStart + x + 1, value, accept);
    }
  }
  return kNoMatch;
}

std::size_t CapturePaletteBytes::FindByte(std::size_t end, std::size_t from, std::uint8_t value) {
  return Scan(end, from, value, [](std::size_t) { return true; });
}

std::size_t CapturePaletteBytes::FindPair(std::size_t end, std::size_t from, std::uint8_t value, Companion with) {
  return Scan(end, from, value, [&](std::size_t pos) {
    return IndexAt(static_cast<std::size_t>(static_cast<std::ptrdiff_t>(pos) + with.offset)) == with.value;
  });
}

Difference CapturePaletteBytes::LastDifference(std::size_t at, const std::uint8_t* bytes, std::size_t n) {
  if (Converted()) {
    const std::size_t k = LastDifferentByte(converted_.data() + at, bytes, n);
    return {k, k < n ? converted_[at + k] : std::uint8_t{0}};
  }
  const std::size_t last = at + n - 1;
  std::size_t y = RowOf(last), x = last - y * stride_, k = n;  // bytes k to n - 1 match
  const std::uint8_t* row = Row(y);
  std::uint32_t lastColour = ~0u;  // runs of one colour are converted once
  std::uint8_t lastIndex = 0, index = 0;
  while (k > 0) {
    index = 0;  // row padding
    if (x < width_) {
      const std::uint32_t colour = ColourOf(row + x * bytesPerPixel_);
      if (colour != lastColour) lastColour = colour, lastIndex = map_.Index(colour);
      index = lastIndex;
    }
    if (index != bytes[k - 1]) break;
    if (--k > 0 && x-- == 0) x = stride_ - 1, row = Row(--y);
  }
  if (k == 0) {
    Spend(n);
    return {n, 0};
  }
  Spend(n - k + 1);  // the ones that matched and the one that did not
  return {k - 1, index};
}

}  // namespace pixfarrow
