#pragma once
// A whole file read into memory.
#include <string>

#include "app/core/byte_buffer.h"

namespace quorvela::win {

// The file's bytes; empty for an empty file, a file that cannot be opened or read, or one
// longer than a buffer can hold (int32) or than there is memory for.
ByteBuffer ReadFileBytes(const std::wstring& path);

}  // namespace quorvela::win
