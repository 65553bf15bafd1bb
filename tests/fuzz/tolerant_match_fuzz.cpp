// The tolerant matchers against the plain byte-by-byte rules, on any bytes and arguments:
// the first six bytes choose the target, tolerance, start, wildcard and pattern length.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "library/core/image_finder.h"
#include "library/core/tolerant_match.h"
#include "tolerant_match_reference.h"

using pixfarrow::test::PlainFindByteNear;
using pixfarrow::test::PlainFindBytesNear;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 6) return 0;
  const int target = data[0] * 2 - 128;           // -128 .. 382
  const int tolerance = static_cast<std::int8_t>(data[1]);  // -128 .. 127
  const std::int64_t start = static_cast<std::int8_t>(data[2]);
  const int wildcard = data[3] % 2 ? -1 : data[3];
  const std::size_t patternLength = data[4] % 8;
  const std::vector<std::uint8_t> bytes(data + 6, data + size);
  const std::vector<std::uint8_t> pattern(bytes.begin(), bytes.begin() + std::min(patternLength, bytes.size()));
  const std::vector<std::uint8_t> haystack(bytes.begin() + static_cast<std::ptrdiff_t>(pattern.size()), bytes.end());

  if (pixfarrow::FindByteNear(haystack, target, tolerance, start) != PlainFindByteNear(haystack, target, tolerance, start)) {
    std::abort();
  }
  if (pixfarrow::FindBytesNear(haystack, pattern, start, wildcard, tolerance) !=
      PlainFindBytesNear(haystack, pattern, start, wildcard, tolerance)) {
    std::abort();
  }
  pixfarrow::BytesNear(haystack, pattern, wildcard, tolerance);
  // The same bytes as an image for the colour walk (bounded: a few steps).
  const pixfarrow::ImageFinder finder;
  finder.FindColorInImage(bytes, data[5] * 0x010101, tolerance);
  finder.FindColorInImage({}, std::nullopt, tolerance);
  return 0;
}
