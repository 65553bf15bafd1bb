#pragma once
// The parsed, validated header of a BMP file: what the decoder needs to read its pixels.
// Every field of the file is untrusted; a layout exists only when all of its pixel data
// lies inside the file and the image is of a bounded size.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace pixfarrow {

inline constexpr std::int32_t kFileHeaderSize = 14;
inline constexpr std::uint16_t kBmpSignature = 0x4D42;  // "BM"

enum class BmpCompression { kRgb, kBitfields, kRle8, kRle4 };

// Largest image the decoder makes (8192 x 8192): far above any screen capture, and a
// 32-bit process could not hold two copies of more.
inline constexpr std::uint64_t kMaxBmpPixels = std::uint64_t{1} << 26;

struct BmpLayout {
  std::int32_t width = 0;
  std::int32_t height = 0;  // always positive
  bool topDown = false;
  int bitCount = 0;
  BmpCompression compression = BmpCompression::kRgb;
  std::array<std::uint32_t, 256> palette{};  // BGRx, top byte 0; unused entries black
  int paletteSize = 0;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue (16 and 32 bits)
  std::size_t pixelOffset = 0;           // start of the pixel data in the file
  std::size_t rowBytes = 0;              // uncompressed rows only
};

// Accepts the forms the Windows bitmap-file loader reads: core (12), info (40), V2 (52),
// V3 (56), V4 (108) and V5 (124) headers; 1, 4, 8, 16, 24 and 32 bits; BI_RGB,
// BI_BITFIELDS (16 and 32 bits), BI_RLE8 and BI_RLE4 (bottom-up only); either row order.
std::optional<BmpLayout> ParseBmpLayout(std::span<const std::uint8_t> file);

}  // namespace pixfarrow
