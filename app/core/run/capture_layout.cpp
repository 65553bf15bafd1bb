#include "app/core/run/capture_layout.h"

#include <limits>

namespace quorvela {

namespace {

void put16(ByteBuffer& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = static_cast<std::uint8_t>(value);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void put32(ByteBuffer& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Below 2 GiB with the headers, so that the length fits the library's int32.
constexpr std::uint64_t kMostImageBytes = std::numeric_limits<std::int32_t>::max() - kCapturePixelOffset;

}  // namespace

std::uint32_t CaptureImageSize(std::int32_t width, std::int32_t height, std::uint32_t reported) {
  if (width < 1 || height < 1) return 0;
  const std::uint64_t stride = ((24ull * static_cast<std::uint64_t>(width) + 31) & ~31ull) / 8;
  const std::uint64_t rows = stride * static_cast<std::uint64_t>(height);
  // The rows are written whatever the device reports, so a smaller report is not taken.
  const std::uint64_t size = reported < rows ? rows : reported;
  return size > kMostImageBytes ? 0 : static_cast<std::uint32_t>(size);
}

ByteBuffer NewCaptureBuffer(const CaptureHeader& header) {
  ByteBuffer bytes(kCapturePixelOffset + static_cast<std::size_t>(header.imageSize), 0);
  WriteCaptureHeaders(bytes, header);
  return bytes;
}

void WriteCaptureHeaders(ByteBuffer& bytes, const CaptureHeader& header) {
  if (bytes.size() < kCapturePixelOffset) return;
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
  put32(bytes, 10, kCapturePixelOffset);
  put32(bytes, 14, 40);
  put32(bytes, 18, static_cast<std::uint32_t>(header.width));
  put32(bytes, 22, static_cast<std::uint32_t>(header.height));
  put16(bytes, 26, 1);
  put16(bytes, 28, 24);
  put32(bytes, 30, 0);
  put32(bytes, 34, header.imageSize);
  put32(bytes, 38, static_cast<std::uint32_t>(header.xPelsPerMeter));
  put32(bytes, 42, static_cast<std::uint32_t>(header.yPelsPerMeter));
  put32(bytes, 46, header.coloursUsed);
  put32(bytes, 50, header.coloursImportant);
}

}  // namespace quorvela
