#include "library/core/image_search.h"

namespace pixfarrow {

std::int32_t FindImageInImageBytes(const std::uint8_t*, std::int32_t, const std::uint8_t*, std::int32_t) {
  return 0;  // placeholder until the image finder lands
}

}  // namespace pixfarrow
