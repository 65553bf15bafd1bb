#pragma once
// The library calls of the target image, through the table bound at start-up.
#include <cstdint>

#include "app/core/byte_buffer.h"

namespace quorvela::win {

// JQMBT: the interactive capture; the address of its result text (null for none).
const char* RunTargetCapture();
// JQMBT, then a copy of the bytes its result text names, or empty.
ByteBuffer CaptureTargetImage();

}  // namespace quorvela::win
