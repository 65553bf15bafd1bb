#pragma once
// A capture of a whole window (frame and title bar included), or of the primary screen for
// handle 0, as BMP file bytes in the program's capture layout.
#include <cstdint>

#include "app/core/byte_buffer.h"

namespace quorvela::win {

// Empty when there is nothing to capture (no window, no DC, an empty rectangle) or a step
// fails.
ByteBuffer CaptureWindowBmp(std::uint32_t window);

}  // namespace quorvela::win
