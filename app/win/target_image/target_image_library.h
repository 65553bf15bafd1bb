#pragma once
// The library calls of the target image, through the table bound at start-up.
#include <cstdint>

#include "app/core/object/byte_buffer.h"

namespace quorvela::win {

// JQMBT: the interactive capture; the address of its result text (null for none).
const char* RunTargetCapture();
// A copy of the captured bytes at address in the library's memory; empty as
// BytesFromAddress gives it, and for more than the largest target.
ByteBuffer CopyCapturedBytes(std::uint32_t address, std::int32_t length);
// JQMBT, then a copy of the bytes its result text names, or empty.
ByteBuffer CaptureTargetImage();

}  // namespace quorvela::win
