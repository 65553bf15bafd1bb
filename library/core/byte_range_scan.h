#pragma once
// A word-at-a-time scan for the first byte whose value lies in a range, the inner loop of
// the tolerant searches (a palette index within a tolerance of another).
#include <cstddef>
#include <cstdint>

#include "library/core/byte_scan.h"

namespace pixfarrow {

// Index of the first byte of data[from, size) with low <= byte <= high, or kNoMatch
// (also when low > high).
std::size_t FindByteInRange(const std::uint8_t* data, std::size_t size, std::size_t from, std::uint8_t low,
                            std::uint8_t high);

}  // namespace pixfarrow
