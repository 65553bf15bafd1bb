#include "library/core/image_finder.h"

#include "common/bmp/bmp_layout.h"
#include "library/core/alt_search_cache.h"
#include "library/core/capture_palette_bytes.h"
#include "library/core/palette_bytes_view.h"
#include "library/core/palette_image.h"

namespace pixfarrow {

void ImageFinder::ReleaseFinder() {
  searchText.clear();
  searchText.shrink_to_fit();
  fontFace.clear();
  fontFace.shrink_to_fit();
}

ImageFinder ImageFinder::CloneFinder() const { return *this; }

Rect ImageFinder::MakeRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) const {
  // Formed in double precision and truncated, as every stored coordinate of the library.
  const double right = static_cast<double>(left) + width, bottom = static_cast<double>(top) + height;
  return {left, top, static_cast<std::int32_t>(right), static_cast<std::int32_t>(bottom)};
}

namespace {

template <class Haystack>
Point FirstMatch(Haystack& big, std::int32_t stride, std::int32_t height, const TargetRows& target) {
  RowChainSearch<Haystack> search(big, stride, height, target);
  const std::int64_t pos = search.Next(1);
  return pos == -1 ? kNotFound : search.CentreOf(pos);
}

}  // namespace

Point FindImageInBytes(std::span<const std::uint8_t> big, std::span<const std::uint8_t> small) {
  const auto bigLayout = ParseBmpLayout(big);
  if (!bigLayout) return kNotFound;  // the small image is not read
  const auto smallLayout = ParseBmpLayout(small);
  if (!smallLayout) return kNotFound;
  const std::int32_t stride = PaletteStride(bigLayout->width), height = bigLayout->height;
  // A target whose match cannot fit is never decoded, whatever size its header claims.
  if (!MatchCanFit(stride, height, smallLayout->width, smallLayout->height)) return kNotFound;
  const PaletteImage target = DecodePaletteImage(*smallLayout, small);
  if (bigLayout->compression == BmpCompression::kRgb && bigLayout->bitCount >= 24) {
    CapturePaletteBytes bytes(*bigLayout, big);
    return FirstMatch(bytes, stride, height, RowsOf(target));
  }
  const PaletteImage image = DecodePaletteImage(*bigLayout, big);
  PaletteBytesView bytes(image.pixels);
  return FirstMatch(bytes, stride, height, RowsOf(target));
}

Point ImageFinder::FindImage(const ByteSet& big, const ByteSet& small) const { return FindImageInBytes(big, small); }

std::int32_t ImageFinder::FindImageAlt(std::vector<Point>& points, const ByteSet& big, const ByteSet& small) const {
  AltSearchCache& cache = LibraryAltSearchCache();
  std::lock_guard lock(cache.mutex);
  if (!big.empty()) {
    cache.bigPixels.clear();  // its memory is kept for the new image (spare_buffer.h says why)
    const auto layout = ParseBmpLayout(big);
    if (!layout) return 0;
    DecodePaletteBytes(*layout, big, cache.bigPixels);
    cache.bigStride = PaletteStride(layout->width);
    cache.bigHeight = layout->height;
  } else if (cache.bigPixels.empty()) {
    return 0;
  }
  if (!small.empty()) {
    cache.smallPixels.clear();
    cache.smallRows.clear();
    auto image = DecodePaletteImage(small);
    if (!image) return 0;
    cache.smallRows = SplitRows(*image);
    cache.smallPixels = std::move(image->pixels);
    cache.smallWidth = image->width;
    cache.smallHeight = image->height;
    cache.smallPad = image->stride - image->width;
  } else if (cache.smallPixels.empty()) {
    return 0;
  }
  PaletteBytesView bytes(cache.bigPixels);
  const TargetRows target{cache.smallPixels.data(), static_cast<std::size_t>(cache.smallWidth + cache.smallPad),
                          cache.smallWidth, cache.smallHeight};
  RowChainSearch<PaletteBytesView> search(bytes, cache.bigStride, cache.bigHeight, target);
  for (std::int64_t pos = search.Next(1); pos != -1; pos = search.Next(pos + 1)) {
    points.push_back(search.CentreOf(pos));
  }
  return static_cast<std::int32_t>(points.size());
}

ByteSet ImageFinder::ImageToPaletteBytes(const ByteSet& image) const {
  auto decoded = DecodePaletteImage(image);
  return decoded ? std::move(decoded->pixels) : ByteSet{};
}

}  // namespace pixfarrow
