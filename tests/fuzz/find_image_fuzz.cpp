// The whole path of ZT with two inputs: the first two bytes (little-endian) choose where
// the input splits into the big and the small image. The answer must be the one of the
// plain way: both images decoded whole, the row-chain search over the decoded bytes.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "library/core/image_finder.h"
#include "library/core/image_search.h"
#include "library/core/palette_bytes_view.h"
#include "library/core/palette_image.h"

namespace {

pixfarrow::Point Plain(const std::vector<std::uint8_t>& big, const std::vector<std::uint8_t>& small) {
  using namespace pixfarrow;
  const auto bigImage = DecodePaletteImage(big);
  if (!bigImage) return kNotFound;
  const auto smallImage = DecodePaletteImage(small);
  if (!smallImage) return kNotFound;
  PaletteBytesView bytes(bigImage->pixels);
  RowChainSearch<PaletteBytesView> search(bytes, bigImage->stride, bigImage->height, RowsOf(*smallImage));
  const std::int64_t pos = search.Next(1);
  return pos == -1 ? kNotFound : search.CentreOf(pos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t rest = size - 2;
  const std::size_t bigLength = (data[0] | (data[1] << 8)) % (rest + 1);
  // Own buffers of exact size, so ASan sees any read past either image.
  const std::vector<std::uint8_t> big(data + 2, data + 2 + bigLength);
  const std::vector<std::uint8_t> small(data + 2 + bigLength, data + size);
  const pixfarrow::Point found = pixfarrow::FindImageInBytes(big, small);
  if (found != Plain(big, small)) std::abort();
  const std::int32_t zt = pixfarrow::FindImageInImageBytes(big.data(), static_cast<std::int32_t>(big.size()),
                                                            small.data(), static_cast<std::int32_t>(small.size()));
  if (zt != (found.x != -1 ? 1 : 0)) std::abort();
  return 0;
}
