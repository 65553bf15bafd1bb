#pragma once
// Bytes that differ from their neighbours, so that a shifted or cut copy shows.
#include <cstddef>
#include <cstdint>

#include "app/core/object/byte_buffer.h"

namespace quorvela::test {

inline ByteBuffer Pattern(std::size_t size) {
  ByteBuffer bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return bytes;
}

}  // namespace quorvela::test
