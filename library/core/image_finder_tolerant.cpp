// The image finder's tolerant byte matching, over the core's matchers.
#include "library/core/image_finder.h"
#include "library/core/tolerant_match.h"

namespace pixfarrow {

std::int32_t ImageFinder::FindByteNear(const ByteSet& bytes, std::int32_t target, std::int32_t tolerance,
                                       std::int32_t start) const {
  return static_cast<std::int32_t>(pixfarrow::FindByteNear(bytes, target, tolerance, start));
}

std::int32_t ImageFinder::FindBytesNear(const ByteSet& haystack, const ByteSet& pattern, std::int32_t start,
                                        std::int32_t wildcard, std::int32_t tolerance) const {
  return static_cast<std::int32_t>(pixfarrow::FindBytesNear(haystack, pattern, start, wildcard, tolerance));
}

std::int32_t ImageFinder::BytesNear(const ByteSet& data, const ByteSet& pattern, std::int32_t wildcard,
                                    std::int32_t tolerance) const {
  return pixfarrow::BytesNear(data, pattern, wildcard, tolerance);
}

}  // namespace pixfarrow
