#include "common/bmp/bmp_layout.h"

#include <algorithm>
#include <limits>

#include "common/bmp/le_bytes.h"

namespace pixfarrow {
namespace {

constexpr std::uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3;
constexpr std::uint32_t kCoreHeaderSize = 12;

bool IsAcceptedHeaderSize(std::uint32_t size) {
  return size == kCoreHeaderSize || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool IsRgbBitCount(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

std::optional<BmpCompression> CompressionOf(std::uint32_t value, int bits, bool topDown) {
  switch (value) {
    case kBiRgb: return IsRgbBitCount(bits) ? std::optional(BmpCompression::kRgb) : std::nullopt;
    case kBiBitfields:
      return bits == 16 || bits == 32 ? std::optional(BmpCompression::kBitfields) : std::nullopt;
    case kBiRle8: return bits == 8 && !topDown ? std::optional(BmpCompression::kRle8) : std::nullopt;
    case kBiRle4: return bits == 4 && !topDown ? std::optional(BmpCompression::kRle4) : std::nullopt;
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<BmpLayout> ParseBmpLayout(std::span<const std::uint8_t> file) {
  const std::uint8_t* d = file.data();
  const std::size_t size = file.size();
  if (size < kFileHeaderSize + 4 || ReadU16(d) != kBmpSignature) return std::nullopt;
  const std::uint32_t headerSize = ReadU32(d + 14);
  if (!IsAcceptedHeaderSize(headerSize) || size < kFileHeaderSize + headerSize) return std::nullopt;
  const bool core = headerSize == kCoreHeaderSize;

  BmpLayout layout;
  std::int64_t height = 0;
  std::uint32_t compression = kBiRgb, colorsUsed = 0;
  int planes = 0;
  if (core) {
    layout.width = ReadU16(d + 18);
    height = ReadU16(d + 20);
    planes = ReadU16(d + 22);
    layout.bitCount = ReadU16(d + 24);
    if (layout.bitCount == 16 || layout.bitCount == 32) return std::nullopt;
  } else {
    layout.width = ReadI32(d + 18);
    height = ReadI32(d + 22);
    planes = ReadU16(d + 26);
    layout.bitCount = ReadU16(d + 28);
    compression = ReadU32(d + 30);
    colorsUsed = ReadU32(d + 46);
  }
  if (planes != 1 || layout.width <= 0 || height == 0) return std::nullopt;
  layout.topDown = height < 0;
  height = height < 0 ? -height : height;
  if (height > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  layout.height = static_cast<std::int32_t>(height);
  const auto kind = CompressionOf(compression, layout.bitCount, layout.topDown);
  if (!kind) return std::nullopt;
  layout.compression = *kind;

  std::size_t tableStart = kFileHeaderSize + headerSize;
  if (layout.compression == BmpCompression::kBitfields) {
    const std::size_t masksAt = kFileHeaderSize + 40;  // after the info header, or inside a later one
    if (headerSize == 40) tableStart += 12;
    if (size < masksAt + 12) return std::nullopt;
    for (int i = 0; i < 3; ++i) layout.masks[i] = ReadU32(d + masksAt + 4 * i);
  } else if (layout.bitCount == 16) {
    layout.masks = {0x7C00, 0x03E0, 0x001F};
  } else if (layout.bitCount == 32) {
    layout.masks = {0xFF0000, 0x00FF00, 0x0000FF};
  }

  std::size_t tableEnd = tableStart;
  if (layout.bitCount <= 8) {
    const std::uint32_t full = 1u << layout.bitCount;
    const std::uint32_t count = colorsUsed == 0 ? full : std::min(colorsUsed, full);
    const std::size_t entry = core ? 3 : 4;
    if (size < tableStart || (size - tableStart) / entry < count) return std::nullopt;
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint8_t* e = d + tableStart + entry * i;
      layout.palette[i] = e[0] | (e[1] << 8) | (static_cast<std::uint32_t>(e[2]) << 16);
    }
    layout.paletteSize = static_cast<int>(count);
    tableEnd = tableStart + entry * count;
  }

  const std::uint32_t offBits = ReadU32(d + 10);
  layout.pixelOffset = offBits == 0 ? tableEnd : offBits;
  if (layout.pixelOffset < kFileHeaderSize + headerSize || layout.pixelOffset > size) return std::nullopt;
  const std::uint64_t available = size - layout.pixelOffset;
  const std::uint64_t pixels = static_cast<std::uint64_t>(layout.width) * layout.height;
  if (pixels > kMaxBmpPixels) return std::nullopt;

  // Run-length data may end at once: the image is then all index 0.
  if (layout.compression != BmpCompression::kRle8 && layout.compression != BmpCompression::kRle4) {
    const std::uint64_t rowBytes = ((static_cast<std::uint64_t>(layout.width) * layout.bitCount + 31) / 32) * 4;
    if (rowBytes * layout.height > available) return std::nullopt;
    layout.rowBytes = static_cast<std::size_t>(rowBytes);
  }
  return layout;
}

}  // namespace pixfarrow
