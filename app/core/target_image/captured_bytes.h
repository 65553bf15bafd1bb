#pragma once
// The hand-off of a capture: the library's result text names a buffer in its memory, and
// the program copies those bytes at once.
#include <cstdint>
#include <functional>

#include "app/core/object/byte_buffer.h"

namespace quorvela {

// Copies `length` (> 0) bytes at `address` of this process; empty when any of them
// cannot be read.
using MemoryReader = std::function<ByteBuffer(std::uint32_t address, std::int32_t length)>;

// The bytes that a result text names, or empty: for no text, a text that is not two
// decimal int32 parts around "分割", a length of 0 or less, address 0, or a buffer the
// reader cannot read. The address is the int32 of the text taken as a 32-bit pointer.
ByteBuffer CapturedBytesFromText(const char* resultText, const MemoryReader& read);

}  // namespace quorvela
