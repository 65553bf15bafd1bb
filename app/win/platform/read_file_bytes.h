#pragma once
// A whole file read into memory.
#include <cstdint>
#include <string>

#include "app/core/object/byte_buffer.h"

namespace quorvela::win {

// The file's bytes; empty for an empty file, a file that cannot be opened or read, or one
// longer than mostBytes or than a buffer can hold (int32). The length is checked before
// any memory is taken: no memory for a buffer ends the program.
ByteBuffer ReadFileBytes(const std::wstring& path, std::uint64_t mostBytes);

}  // namespace quorvela::win
