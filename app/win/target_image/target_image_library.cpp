#include "app/win/target_image/target_image_library.h"

#include "app/win/platform/process_memory.h"
#include "app/win/target_image/target_image_file.h"

namespace quorvela::win {

ByteBuffer CopyCapturedBytes(std::uint32_t address, std::int32_t length) {
  if (static_cast<std::uint64_t>(length) > LargestTargetBytes()) return {};
  return BytesFromAddress(address, length);
}

}  // namespace quorvela::win
