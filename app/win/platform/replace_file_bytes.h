#pragma once
// A file replaced whole, or not at all.
#include <string>

#include "app/core/object/byte_buffer.h"

namespace quorvela::win {

// Writes the bytes to a new file in the target's folder, flushes it and renames it over
// the target, so a failure at any step (full disk, read-only folder, file in use, a crash)
// leaves the old file as it was. false when the target was not replaced; the temporary
// file is then gone.
bool ReplaceFileBytes(const std::wstring& path, const ByteBuffer& bytes);

}  // namespace quorvela::win
