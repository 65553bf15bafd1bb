#pragma once
// The layout of the program's window captures: a 14-byte file header, a 40-byte info
// header, 24-bit bottom-up rows padded to 4 bytes, pixels at offset 54, no colour table.
#include <cstdint>

#include "app/core/object/byte_buffer.h"

namespace quorvela {

inline constexpr std::uint32_t kCapturePixelOffset = 54;

// What the device reports for a capture, copied into the info header.
struct CaptureHeader {
  std::int32_t width = 0;
  std::int32_t height = 0;  // positive: bottom-up
  std::uint32_t imageSize = 0;
  std::int32_t xPelsPerMeter = 0;
  std::int32_t yPelsPerMeter = 0;
  std::uint32_t coloursUsed = 0;
  std::uint32_t coloursImportant = 0;
};

// The pixel bytes: the device's report, or the 24-bit stride times height when it reports
// 0 (or less than the rows take); 0 when the image cannot be held in one buffer.
std::uint32_t CaptureImageSize(std::int32_t width, std::int32_t height, std::uint32_t reported);

// A buffer of 54 + header.imageSize bytes: both headers written, pixels zero.
ByteBuffer NewCaptureBuffer(const CaptureHeader& header);

// Writes both headers into the first 54 bytes (the file size is bytes.size()).
void WriteCaptureHeaders(ByteBuffer& bytes, const CaptureHeader& header);

}  // namespace quorvela
