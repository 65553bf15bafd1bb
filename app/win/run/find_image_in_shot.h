#pragma once
// The program's one way to call ZT. The library serves one call at a time, and the worker's
// rounds and a test find on the GUI thread both search: ZtCallGuard keeps their calls apart.
#include <cstdint>

#include "app/core/object/byte_buffer.h"

namespace quorvela::win {

// Non-zero when target occurs in shot; 0 for empty or unreadable images.
std::int32_t FindImageInShot(const ByteBuffer& shot, const ByteBuffer& target);

}  // namespace quorvela::win
