#include "library/core/image_search.h"

#include <span>

#include "library/core/image_finder.h"

namespace pixfarrow {
namespace {

// A length of 0 (or less) is the empty image and never reads its address.
std::span<const std::uint8_t> Bytes(const std::uint8_t* address, std::int32_t length) {
  if (length <= 0 || address == nullptr) return {};
  return {address, static_cast<std::size_t>(length)};
}

}  // namespace

std::int32_t FindImageInImageBytes(const std::uint8_t* bigAddress, std::int32_t bigLength,
                                   const std::uint8_t* smallAddress, std::int32_t smallLength) {
  // The images are decoded straight from the caller's memory, which is only read during
  // the call: the same result as copying them first, without two copies per round.
  const Point point = FindImageInBytes(Bytes(bigAddress, bigLength), Bytes(smallAddress, smallLength));
  return point.x != -1 ? 1 : 0;
}

}  // namespace pixfarrow
