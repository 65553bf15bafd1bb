#pragma once
// The bound library functions as the run road calls them. Empty buffers go as a null
// address with length 0.
#include <cstdint>

#include "app/core/object/byte_buffer.h"

namespace quorvela::win {

std::uint32_t CallQwxjb();
// Unguarded: callers go through FindImageInShot.
std::int32_t CallZt(const ByteBuffer& big, const ByteBuffer& small);
void CallJpxx(std::uint32_t window);

}  // namespace quorvela::win
