#pragma once
// The text-pattern matchers. They scan PaletteBytes in buffer order (bottom row first, each
// row left to right); a position is a candidate when its index lies within the tolerance of
// the target, and it matches when enough text points lie within the tolerance of the
// candidate's own index and then enough background points differ from it exactly.
// ProcessEvents runs after every position. Pixels that hold no image (see PaletteView)
// give no hit.
#include <cstdint>
#include <vector>

#include "library/core/byte_set.h"
#include "library/core/row_chain_search.h"
#include "library/core/text_pattern.h"

namespace pixfarrow {

// trunc(count x percent / 100), a percent of 0 counting as 100.
std::int64_t NeededCount(std::size_t count, std::int32_t percent);

// The first match, or (-1, -1). Without background offsets the text points alone decide;
// without text offsets nothing matches.
Point SearchPattern(const ByteSet& pixels, std::int32_t width, std::int32_t height,
                    const std::vector<PatternOffset>& text, const std::vector<PatternOffset>& background,
                    std::int32_t target, std::int32_t tolerance, std::int32_t percent);

// Every match, overlapping ones included, into hits (emptied first); returns their number.
std::int32_t SearchPatternAll(std::vector<Point>& hits, const ByteSet& pixels, std::int32_t width,
                              std::int32_t height, const std::vector<PatternOffset>& text,
                              const std::vector<PatternOffset>& background, std::int32_t target,
                              std::int32_t tolerance, std::int32_t textPercent, std::int32_t backgroundPercent);

// Every position where the candidate is the target exactly, every text point equals it and
// every background point differs from it; without background offsets nothing matches.
std::int32_t SearchPatternExactAll(std::vector<Point>& hits, const ByteSet& pixels, std::int32_t width,
                                   std::int32_t height, const std::vector<PatternOffset>& text,
                                   const std::vector<PatternOffset>& background, std::int32_t target);

}  // namespace pixfarrow
