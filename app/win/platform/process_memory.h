#pragma once
// Bytes copied out of this process's memory by address.
#include <cstdint>

#include "app/core/object/byte_buffer.h"

namespace quorvela::win {

// A copy of count bytes at address; empty when count is 0 or less, or when any byte of the
// range is not committed, readable memory (checked before the copy, so a wrong address
// gives nothing instead of a fault). No memory for the copy ends the program: a caller
// bounds count first.
ByteBuffer BytesFromAddress(std::uint32_t address, std::int32_t count);

}  // namespace quorvela::win
