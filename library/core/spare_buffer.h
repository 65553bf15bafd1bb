#pragma once
// One byte buffer kept between searches for the whole conversion of a capture: under Wine a
// new buffer of a capture's size costs every one of its pages anew (about 0.15 ms for
// 800 x 600, 0.8 ms for 1920 x 1080), each time.
#include <cstddef>

#include "library/core/byte_set.h"

namespace pixfarrow {

// The kept buffer, its bytes unspecified; an empty one when none is kept or another search
// holds it.
ByteSet TakeSpareBuffer();

// Keeps the buffer for the next search, unless a larger one is kept already or it is larger
// than a capture of any screen needs (kLargestSpare): one search of a huge image does not
// hold its memory for the library's lifetime.
inline constexpr std::size_t kLargestSpare = std::size_t{7680} * 4320;  // an 8K screen, a byte a pixel
void KeepSpareBuffer(ByteSet&& buffer);

}  // namespace pixfarrow
