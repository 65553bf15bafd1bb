#pragma once
// The tolerant matching rules written out byte by byte: the reference that the fast scans
// are checked against, in the tests and by the fuzzer.
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace pixfarrow::test {

inline std::int64_t PlainFindByteNear(const std::vector<std::uint8_t>& bytes, int target, int tolerance,
                                      std::int64_t start) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (std::abs(bytes[i] - target) <= tolerance && static_cast<std::int64_t>(i) + 1 >= start) {
      return static_cast<std::int64_t>(i) + 1;
    }
  }
  return -1;
}

inline std::int64_t PlainFindBytesNear(const std::vector<std::uint8_t>& h, const std::vector<std::uint8_t>& p,
                                       std::int64_t start, int wildcard, int tolerance) {
  if (start < 1) start = 1;
  const auto n = static_cast<std::int64_t>(p.size()), size = static_cast<std::int64_t>(h.size());
  if (n == 0) return -1;
  for (std::int64_t i = start; i <= size - n + 1; ++i) {
    bool match = true;
    for (std::int64_t k = 0; k < n && match; ++k) {
      const int hb = h[i + k - 1], pb = p[k];
      const bool wild = wildcard != -1 && pb == wildcard;
      if (tolerance == 0 && wildcard == -1) match = hb == pb;
      else if (tolerance == 0) match = k == 0 ? hb == pb : (wild || hb == pb);
      else match = wild || std::abs(hb - pb) <= tolerance;
    }
    if (match) return i;
  }
  return -1;
}

}  // namespace pixfarrow::test
