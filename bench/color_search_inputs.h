#pragma once
// What the colour search benchmarks search: the palette pixels of the 800 x 600 capture, a
// colour absent from it and an 8-byte run of it that is absent within 1; and the plain
// per-pixel loops they are compared with.
#include <cstdint>

#include "library/core/byte_set.h"

namespace pixfarrow::bench {

struct ColourSearchInputs {
  ColourSearchInputs();
  ByteSet pixels;
  std::uint8_t absent = 0;  // no index within 2 of it is in the scene
  ByteSet pattern;          // scene bytes, the last changed by 3: its first bytes match all over
};

const ColourSearchInputs& ColourInputs();

std::int64_t PlainFindByteNear(const ByteSet& bytes, int target, int tolerance);
std::int64_t PlainFindBytesNear(const ByteSet& haystack, const ByteSet& pattern, int tolerance);

}  // namespace pixfarrow::bench
