#pragma once
// The image finder: the search engine behind ZT. Its image searches work on FixedPalette
// indexes (see palette_image.h) and keep nothing in the object between calls.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "library/core/byte_set.h"
#include "library/core/font_spec.h"
#include "library/core/point_pattern.h"
#include "library/core/row_chain_search.h"
#include "library/core/text_pattern.h"
#include "library/core/window_captures.h"
#include "library/core/window_region_capture.h"

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

  // The operations in their fixed order. The searches in a window capture through
  // `captures`; the text searches draw their text through the platform's `renderer`.

  // 0: frees the two texts.
  void ReleaseFinder();
  // 1: an independent copy, texts duplicated.
  ImageFinder CloneFinder() const;
  // 2: {left, top, left + width, top + height}, the sums truncated toward zero.
  Rect MakeRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) const;
  // 3: centre of the first occurrence of small in a fresh capture of region (absent: all
  // zeros), in screen coordinates, or in the window's client coordinates with printWindow
  // (see CaptureRegion, which also writes a clamped width and height back); (-1, -1) when
  // there is none, the capture fails or small cannot be loaded.
  Point FindImageInWindow(WindowCaptures& captures, WindowId window, const ByteSet& small,
                          SearchRegion* region = nullptr, bool printWindow = false) const;
  // 4: centre of the first occurrence of small in big (both BMP file bytes), or (-1, -1)
  // when there is none or either image cannot be loaded.
  Point FindImage(const ByteSet& big, const ByteSet& small) const;
  // 5: the text (empty: absent), its colour (0x00BBGGRR) and the font of the text searches.
  void SetFont(std::string_view text, std::int32_t colour, const FontSpec& font);
  // 6: the first occurrence of the text in a fresh capture, captured as FindImageInWindow
  // captures (the region is written back the same way): in screen coordinates, or relative
  // to the client origin with windowImage; (-1, -1) when not found or nothing is captured.
  Point FindTextInWindow(WindowCaptures& captures, const TextRenderer& renderer, WindowId window,
                         SearchRegion& region, std::int32_t tolerance = 0, std::int32_t percent = 0,
                         bool windowImage = false) const;
  // 7: the first occurrence of the text in a BMP image (image coordinates of its anchor),
  // or (-1, -1).
  Point FindTextInImage(const TextRenderer& renderer, const ByteSet& image, std::int32_t tolerance = 0,
                        std::int32_t percent = 0) const;
  // 8: every occurrence into hits (emptied first); returns their number.
  std::int32_t FindTextInImageAlt(const TextRenderer& renderer, std::vector<Point>& hits, const ByteSet& image,
                                  std::int32_t tolerance = 0, std::int32_t textPercent = 0,
                                  std::int32_t backgroundPercent = 0) const;
  // 9: colour 0x00BBGGRR of one pixel of a window's client area (printWindow: from the
  // window's own image; else from the screen) or, for window 0, of the screen; -1
  // (0xFFFFFFFF) when it cannot be captured.
  std::int32_t GetWindowPixelColor(WindowCaptures& captures, WindowId window, std::int32_t x, std::int32_t y,
                                   bool printWindow = false) const;
  // 10: the first pixel of a colour (within tolerance of its palette index) in a fresh
  // capture, captured as FindImageInWindow captures, in the capture's own coordinates; the
  // lowest row first, leftmost within it; padding included (x may reach the width).
  Point FindColorInWindow(WindowCaptures& captures, WindowId window, std::int32_t colour,
                          SearchRegion* region = nullptr, std::int32_t tolerance = 0, bool printWindow = false) const;
  // 11: the decimal number written in the image in the font and colour, digit by digit
  // ("0" to "9", a later digit replacing an earlier one in the same column); -1 when no
  // digit is found, 2147483647 for a number beyond int32. Leaves the finder set to the
  // colour and font, its text "9".
  std::int32_t FindTextWithFontInImage(const TextRenderer& renderer, const ByteSet& image, std::int32_t colour,
                                       const FontSpec& font);
  // 12: the next pixel of a colour in the kept image (ColorSearchCache), one per call, in
  // buffer order; (-1, -1) after the last, and the call after that starts again. A colour
  // given restarts at the first pixel; an image given replaces the kept one and goes on
  // after the old position.
  Point FindColorInImage(const ByteSet& image = {}, std::optional<std::int32_t> colour = std::nullopt,
                         std::int32_t tolerance = 0) const;
  // 13: SearchPoints over the kept big image and pattern (PointSearchCache): an empty big
  // image means the kept one, a left-out small image the kept pattern, a left-out
  // background colour none. (-1, -1) when there is nothing to search.
  Point FindPointsInImage(const ByteSet& big, const ByteSet* small = nullptr,
                          std::optional<std::int32_t> background = std::nullopt, std::int32_t percent = 0,
                          std::int32_t tolerance = 0) const;
  // 14: the same with SearchPointsAll and a cache of its own; 0, hits untouched, when there
  // is nothing to search.
  std::int32_t FindPointsInImageAlt(std::vector<Point>& hits, const ByteSet& big, const ByteSet* small = nullptr,
                                    std::optional<std::int32_t> background = std::nullopt,
                                    std::int32_t percent = 0, std::int32_t tolerance = 0) const;
  // 15: appends the centre of every occurrence to points and returns its new size. An
  // empty image means the one kept from an earlier call (AltSearchCache); 0 when an image
  // cannot be loaded or none is kept.
  std::int32_t FindImageAlt(std::vector<Point>& points, const ByteSet& big = {}, const ByteSet& small = {}) const;
  // 16, 17: the FixedPalette index that a colour 0x00BBGGRR converts to, as a number and
  // as a one-byte buffer.
  std::int32_t ColorToPaletteIndex(std::int32_t colour) const;
  ByteSet ColorToPaletteByte(std::int32_t colour) const;
  // 18: PaletteBytes of an image; empty when it cannot be loaded.
  ByteSet ImageToPaletteBytes(const ByteSet& image) const;
  // 19 to 21: tolerant byte matching (tolerant_match.h).
  std::int32_t FindByteNear(const ByteSet& bytes, std::int32_t target, std::int32_t tolerance,
                            std::int32_t start = 0) const;
  std::int32_t FindBytesNear(const ByteSet& haystack, const ByteSet& pattern, std::int32_t start = 0,
                             std::int32_t wildcard = 0, std::int32_t tolerance = 0) const;
  std::int32_t BytesNear(const ByteSet& data, const ByteSet& pattern, std::int32_t wildcard,
                         std::int32_t tolerance) const;
  // 22: the finder's text drawn in its font, as text and background offsets (both emptied
  // first). An absent text gives no text offset.
  void RenderTextPattern(const TextRenderer& renderer, std::vector<PatternOffset>& text,
                         std::vector<PatternOffset>& background) const;
  // 23: see ImagePattern in point_pattern.h; points are appended to.
  std::int32_t ImagePattern(const ByteSet& image, std::int32_t& background, std::vector<PatternPoint>& points) const;
  // 24 to 28: the matchers of pattern_search.h and point_pattern.h; the text matchers look
  // for textColour's palette index.
  Point SearchPattern(const ByteSet& pixels, std::int32_t width, std::int32_t height,
                      const std::vector<PatternOffset>& text, const std::vector<PatternOffset>& background,
                      std::int32_t tolerance, std::int32_t percent) const;
  std::int32_t SearchPatternAll(std::vector<Point>& hits, const ByteSet& pixels, std::int32_t width,
                                std::int32_t height, const std::vector<PatternOffset>& text,
                                const std::vector<PatternOffset>& background, std::int32_t tolerance,
                                std::int32_t textPercent, std::int32_t backgroundPercent) const;
  Point SearchPoints(const ByteSet& pixels, std::int32_t width, std::int32_t height,
                     const std::vector<PatternPoint>& points, std::int32_t anchorIndex, std::int32_t tolerance,
                     std::int32_t percent) const;
  std::int32_t SearchPointsAll(std::vector<Point>& hits, const ByteSet& pixels, std::int32_t width,
                               std::int32_t height, const std::vector<PatternPoint>& points,
                               std::int32_t anchorIndex, std::int32_t tolerance, std::int32_t percent) const;
  std::int32_t SearchPatternExactAll(std::vector<Point>& hits, const ByteSet& pixels, std::int32_t width,
                                     std::int32_t height, const std::vector<PatternOffset>& text,
                                     const std::vector<PatternOffset>& background) const;

  // What RenderTextPattern draws: the text and font fields.
  TextStyle Style() const;
};

}  // namespace pixfarrow
