#pragma once
// The palette bytes of an uncompressed 24- or 32-bit BMP file (every capture), converted
// only where a search reads them. A scan for one index converts only the pixels inside
// that index's colour bounds; once such reads have converted a sixteenth as many pixels as
// the image holds, the whole image is converted at once and read as plain bytes, so a
// search never costs much more than converting everything.
#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "common/bmp/bmp_layout.h"
#include "library/core/bgr_box_scan.h"
#include "library/core/byte_set.h"
#include "library/core/fixed_palette_map.h"
#include "library/core/row_chain_search.h"

namespace pixfarrow {

class CapturePaletteBytes {
 public:
  // For a layout of 24 or 32 bits, BI_RGB; layout and file must outlive the object.
  CapturePaletteBytes(const BmpLayout& layout, std::span<const std::uint8_t> file);
  ~CapturePaletteBytes();
  CapturePaletteBytes(const CapturePaletteBytes&) = delete;
  CapturePaletteBytes& operator=(const CapturePaletteBytes&) = delete;

  // The row-chain search's haystack (row_chain_search.h).
  std::size_t size() const { return size_; }
  std::array<std::uint32_t, 256> SampleCounts();
  std::size_t FindByte(std::size_t end, std::size_t from, std::uint8_t value);
  std::size_t FindPair(std::size_t end, std::size_t from, std::uint8_t value, Companion with);
  Difference LastDifference(std::size_t at, const std::uint8_t* bytes, std::size_t n);

  // Whether the whole image has been converted.
  bool Converted() const { return converted_.size() == size_; }

 private:
  std::size_t RowOf(std::size_t pos) const;      // pos / stride
  const std::uint8_t* Row(std::size_t y) const;  // y from the bottom
  std::uint8_t IndexOf(const std::uint8_t* pixel) const { return map_.Index(pixel[0], pixel[1], pixel[2]); }
  std::uint8_t IndexAt(std::size_t pos);  // one byte, converted where it is not yet
  void Spend(std::size_t conversions);
  // First position in [from, end) holding value that `accept` takes.
  template <class Accept>
  std::size_t Scan(std::size_t end, std::size_t from, std::uint8_t value, const Accept& accept);
  template <class Accept>
  std::size_t ScanConverted(std::size_t end, std::size_t from, std::uint8_t value, const Accept& accept) const;

  const BmpLayout& layout_;
  std::span<const std::uint8_t> file_;
  const FixedPaletteMap& map_;
  std::size_t width_;
  std::size_t stride_;
  std::size_t size_;
  std::size_t bytesPerPixel_;
  std::uint64_t reciprocal_;  // of the stride, for RowOf
  std::size_t budget_;  // conversions left before the whole image is converted
  std::optional<std::uint8_t> scanned_;  // the value that scan_ looks for
  std::optional<BoxScan> scan_;
  std::uint32_t rejected_ = ~0u;  // the last colour in scan_'s bounds found to be of another index
  std::uint32_t accepted_ = ~0u;  // the last one found to be of that index
  ByteSet converted_;  // in the library's spare buffer (spare_buffer.h)
};

}  // namespace pixfarrow
