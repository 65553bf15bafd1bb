#include "app/core/framework/in_place_rewrite.h"

namespace quorvela {

bool RewriteInPlace(RewritableFile& file, const ByteBuffer& bytes) {
  const auto old = file.size();
  if (!old) return false;
  if (bytes.size() > *old && !file.resize(bytes.size())) {
    file.resize(*old);  // what an extension took half-way
    return false;
  }
  if (file.writeFromStart(bytes) && file.resize(bytes.size()) && file.flush()) return true;
  file.resize(0);
  file.flush();
  return false;
}

}  // namespace quorvela
