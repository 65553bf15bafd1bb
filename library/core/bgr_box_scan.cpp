#include "library/core/bgr_box_scan.h"

#include <bit>

// On x86 the SSE2 way is compiled for SSE2 whatever the build's target: the 32-bit Windows
// build assumes it there.
#if defined(__i386__) || defined(__x86_64__)
#define QV_SSE2 1
#include <emmintrin.h>
#define QV_SSE2_CODE __attribute__((target("sse2")))
#endif

namespace pixfarrow {

BoxScan::BoxScan(const ColourBox& box, std::size_t bytesPerPixel) : box_(box), bytesPerPixel_(bytesPerPixel) {
  const std::size_t period = bytesPerPixel == 3 ? 3 : 4;
  for (std::size_t phase = 0; phase < 3; ++phase) {
    for (std::size_t j = 0; j < 16; ++j) {
      const std::size_t channel = (phase * 16 + j) % period;  // 16 mod 3 is 1: phases 0, 1, 2
      low_[phase][j] = channel < 3 ? box.low[channel] : 0;
      high_[phase][j] = channel < 3 ? box.high[channel] : 0xFF;
    }
  }
}

std::size_t BoxScan::FindPortable(const std::uint8_t* bgr, std::size_t count) const {
  for (std::size_t i = 0; i < count; ++i, bgr += bytesPerPixel_) {
    if (box_.Holds(bgr[0], bgr[1], bgr[2])) return i;
  }
  return kNoPixel;
}

std::size_t BoxScan::Find(const std::uint8_t* bgr, std::size_t count) const {
#if defined(QV_SSE2)
  return FindSse2(bgr, count);
#else
  return FindPortable(bgr, count);
#endif
}

#if defined(QV_SSE2)

namespace {

// One bit per byte of 16: set where low <= byte <= high.
QV_SSE2_CODE inline std::uint32_t InRange(const std::uint8_t* at, const std::array<std::uint8_t, 16>& low,
                                          const std::array<std::uint8_t, 16>& high) {
  const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
  // Unaligned loads: the 32-bit Windows stack is 4-byte aligned, so the object's own
  // alignment is not kept there.
  const __m128i lo = _mm_loadu_si128(reinterpret_cast<const __m128i*>(low.data()));
  const __m128i hi = _mm_loadu_si128(reinterpret_cast<const __m128i*>(high.data()));
  const __m128i clamped = _mm_max_epu8(_mm_min_epu8(v, hi), lo);
  return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(clamped, v)));
}

}  // namespace

bool BoxScan::HasSse2() { return true; }

QV_SSE2_CODE std::size_t BoxScan::FindSse2(const std::uint8_t* bgr, std::size_t count) const {
  std::size_t i = 0;
  if (bytesPerPixel_ == 3) {
    // 16 pixels in 48 bytes; pixel k is inside when bits 3k, 3k + 1 and 3k + 2 are all set.
    constexpr std::uint64_t kFirstOfEach = 0x249249249249ull;
    for (; i + 16 <= count; i += 16) {
      const std::uint8_t* at = bgr + 3 * i;
      const std::uint64_t bits = InRange(at, low_[0], high_[0]) |
                                 (std::uint64_t{InRange(at + 16, low_[1], high_[1])} << 16) |
                                 (std::uint64_t{InRange(at + 32, low_[2], high_[2])} << 32);
      const std::uint64_t inside = bits & (bits >> 1) & (bits >> 2) & kFirstOfEach;
      if (inside != 0) return i + static_cast<std::size_t>(std::countr_zero(inside)) / 3;
    }
  } else {
    // 4 pixels in 16 bytes; pixel k is inside when bits 4k to 4k + 2 are set.
    for (; i + 4 <= count; i += 4) {
      const std::uint32_t bits = InRange(bgr + 4 * i, low_[0], high_[0]);
      const std::uint32_t inside = bits & (bits >> 1) & (bits >> 2) & 0x1111u;
      if (inside != 0) return i + static_cast<std::size_t>(std::countr_zero(inside)) / 4;
    }
  }
  const std::size_t rest = FindPortable(bgr + bytesPerPixel_ * i, count - i);
  return rest == kNoPixel ? kNoPixel : i + rest;
}

#else

bool BoxScan::HasSse2() { return false; }

std::size_t BoxScan::FindSse2(const std::uint8_t* bgr, std::size_t count) const { return FindPortable(bgr, count); }

#endif

}  // namespace pixfarrow
