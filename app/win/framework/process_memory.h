#pragma once
// Bytes copied out of this process's memory by address.
#include <cstdint>

#include "app/core/byte_buffer.h"

namespace quorvela::win {

// A copy of count bytes at address; empty when count is 0 or less, when any byte of the
// range is not committed, readable memory (checked before the copy, so a wrong address
// gives nothing instead of a fault), or when there is no memory for the copy.
ByteBuffer BytesFromAddress(std::uint32_t address, std::int32_t count);

}  // namespace quorvela::win
