#pragma once
// The library's byte buffer and the buffer helpers its searches use. Positions are
// 1-based, as everywhere in the library; -1 means "not found".
#include <cstdint>
#include <vector>

namespace pixfarrow {

// An owned, counted byte buffer with value semantics; empty means no bytes.
using ByteSet = std::vector<std::uint8_t>;

// Copies `length` bytes from `address`; a length of 0 (or less) gives the empty buffer and
// never reads the address.
ByteSet BytesFromPointer(const std::uint8_t* address, std::int32_t length);

// The n bytes from 1-based position start; fewer when the buffer ends first; empty when
// start lies beyond the end (or n is not positive).
ByteSet BytesMid(const ByteSet& bytes, std::int64_t start, std::int64_t n);

// 1-based position of the first occurrence of needle at or after 1-based start, or -1 (also
// for an empty needle or when fewer bytes than the needle remain). A start below 1 counts as 1.
std::int64_t FindBytes(const ByteSet& haystack, const ByteSet& needle, std::int64_t start);

// Remainder of a / b with the sign of a; b must not be 0.
double Remainder(double a, double b);

// a / b truncated toward zero; b must not be 0.
std::int64_t IntDivide(std::int64_t a, std::int64_t b);

}  // namespace pixfarrow
