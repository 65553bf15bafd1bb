#pragma once
// The image finder: the search engine behind ZT. Its image searches work on FixedPalette
// indexes (see palette_image.h) and keep nothing in the object between calls.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "library/core/byte_set.h"
#include "library/core/row_chain_search.h"

namespace pixfarrow {

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// FindImage on bytes the caller holds: read during the call only, never kept.
Point FindImageInBytes(std::span<const std::uint8_t> big, std::span<const std::uint8_t> small);

class ImageFinder {
 public:
  // Read and written only by the text searches; absent texts are empty.
  std::string searchText;
  std::int32_t textColour = 0;  // 0x00BBGGRR
  std::int32_t fontSize = 0;    // points
  std::int32_t fontWeight = 0;  // 700 bold, else 400
  std::int32_t italic = 0;
  std::int32_t underline = 0;
  std::int32_t strikeOut = 0;
  std::string fontFace;

  // The operations in their fixed order. Those not declared here (3, 5 to 14, 16, 17,
  // 19 to 28: window, colour, tolerant, text and point-pattern searches) belong in their
  // places when they are built.

  // 0: frees the two texts.
  void ReleaseFinder();
  // 1: an independent copy, texts duplicated.
  ImageFinder CloneFinder() const;
  // 2: {left, top, left + width, top + height}, the sums truncated toward zero.
  Rect MakeRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) const;
  // 4: centre of the first occurrence of small in big (both BMP file bytes), or (-1, -1)
  // when there is none or either image cannot be loaded.
  Point FindImage(const ByteSet& big, const ByteSet& small) const;
  // 15: appends the centre of every occurrence to points and returns its new size. An
  // empty image means the one kept from an earlier call (AltSearchCache); 0 when an image
  // cannot be loaded or none is kept.
  std::int32_t FindImageAlt(std::vector<Point>& points, const ByteSet& big = {}, const ByteSet& small = {}) const;
  // 18: PaletteBytes of an image; empty when it cannot be loaded.
  ByteSet ImageToPaletteBytes(const ByteSet& image) const;
};

}  // namespace pixfarrow
