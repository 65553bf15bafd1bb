#pragma once
// A file's content replaced by writing over it, for a file that cannot be replaced whole
// (a folder that refuses new files, a file open without delete sharing). Room for the new
// bytes is taken before the old ones are touched, so a full disk keeps the old content; a
// write that fails half-way leaves an empty file (no target) rather than a mixture.
#include <cstdint>
#include <optional>

#include "app/core/object/byte_buffer.h"

namespace quorvela {

// An open file, as the rewrite uses it.
class RewritableFile {
 public:
  virtual ~RewritableFile() = default;
  virtual std::optional<std::uint64_t> size() = 0;
  // Extends with zero bytes or cuts; false when the file keeps its size.
  virtual bool resize(std::uint64_t size) = 0;
  // All of the bytes from offset 0, or false.
  virtual bool writeFromStart(const ByteBuffer& bytes) = 0;
  virtual bool flush() = 0;
};

// True when the file holds exactly the bytes. False with the old content when there was
// no room for the new one, false with an empty file when the writing itself failed.
bool RewriteInPlace(RewritableFile& file, const ByteBuffer& bytes);

}  // namespace quorvela
