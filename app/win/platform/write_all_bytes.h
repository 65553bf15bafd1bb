#pragma once
// All of a buffer written to an open file at its file pointer.
#include <windows.h>

#include "app/core/object/byte_buffer.h"

namespace quorvela::win {

// False when a write fails or stops short.
bool WriteAllBytes(HANDLE file, const ByteBuffer& bytes);

}  // namespace quorvela::win
