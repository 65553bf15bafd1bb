#pragma once
// The copy of a capture out of the library's memory.
#include <cstdint>

#include "app/core/object/byte_buffer.h"

namespace quorvela::win {

// A copy of the captured bytes at address in the library's memory; empty as
// BytesFromAddress gives it, and for more than the largest target.
ByteBuffer CopyCapturedBytes(std::uint32_t address, std::int32_t length);

}  // namespace quorvela::win
