// The whole path of ZT with two inputs: the first two bytes (little-endian) choose where
// the input splits into the big and the small image.
#include <cstdint>
#include <vector>

#include "library/core/image_search.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t rest = size - 2;
  const std::size_t bigLength = (data[0] | (data[1] << 8)) % (rest + 1);
  // Own buffers of exact size, so ASan sees any read past either image.
  const std::vector<std::uint8_t> big(data + 2, data + 2 + bigLength);
  const std::vector<std::uint8_t> small(data + 2 + bigLength, data + size);
  pixfarrow::FindImageInImageBytes(big.data(), static_cast<std::int32_t>(big.size()), small.data(),
                                   static_cast<std::int32_t>(small.size()));
  return 0;
}
