#pragma once
// A file written over in place, for when it cannot be replaced whole.
#include <string>

#include "app/core/object/byte_buffer.h"

namespace quorvela::win {

// Opens (or creates) the file, sharing it with any other reader or writer, and rewrites its
// content as RewriteInPlace does: true when it holds exactly the bytes; false with the old
// content when it cannot be opened or there is no room, false with an empty file when the
// writing failed half-way.
bool WriteFileInPlace(const std::wstring& path, const ByteBuffer& bytes);

}  // namespace quorvela::win
