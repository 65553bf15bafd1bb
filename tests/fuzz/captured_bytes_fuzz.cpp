// The capture's result text from the library, read as the program reads it: whatever the
// text, the reader is asked only for a positive length at a non-zero address, and the
// result is that whole range or nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/core/target_image/captured_bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);  // ends in a NUL
  std::int32_t asked = -1;
  const quorvela::MemoryReader reader = [&](std::uint32_t address, std::int32_t length) {
    if (address == 0 || length <= 0 || asked != -1) std::abort();
    asked = length;
    // A small buffer is readable; anything longer is not.
    return length <= 4096 ? quorvela::ByteBuffer(static_cast<std::size_t>(length), 0x5A) : quorvela::ByteBuffer{};
  };
  const quorvela::ByteBuffer bytes = quorvela::CapturedBytesFromText(text.c_str(), reader);
  if (!bytes.empty() && static_cast<std::int32_t>(bytes.size()) != asked) std::abort();
  return 0;
}
