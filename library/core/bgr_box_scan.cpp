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
  if (bytesPerPixel_ == 3) {
    // 16 pixels in 48 bytes; pixel k is inside when bits 3k, 3k + 1 and 3k + 2 are all set.
    // In 32-bit words, which the 32-bit build keeps in registers: bytes 0 to 31 hold
    // pixels 0 to 9 and two bytes of pixel 10, bytes 32 to 47 its last byte and pixels 11
    // to 15. The first inside, or 16.
    auto block = [&](const std::uint8_t* at) QV_SSE2_CODE -> std::size_t {
      const std::uint32_t low = InRange(at, low_[0], high_[0]) | InRange(at + 16, low_[1], high_[1]) << 16;
      const std::uint32_t high = InRange(at + 32, low_[2], high_[2]);
      const std::uint32_t first = low & (low >> 1) & (low >> 2) & 0x09249249u;  // pixels 0 to 9
      const std::uint32_t tenth = (low >> 30) & (low >> 31) & high & 1u;
      const std::uint32_t last = high & (high >> 1) & (high >> 2) & 0x2492u;  // pixels 11 to 15, from bit 1
      if ((first | tenth | last) == 0) return 16;
      if (first != 0) return static_cast<std::size_t>(std::countr_zero(first)) / 3;
      if (tenth != 0) return 10;
      return 11 + static_cast<std::size_t>(std::countr_zero(last)) / 3;
    };
    if (count < 16) return FindPortable(bgr, count);
    std::size_t i = 0;
    for (; i + 16 <= count; i += 16) {
      if (const std::size_t k = block(bgr + 3 * i); k < 16) return i + k;
    }
    if (i == count) return kNoPixel;
    // The last 16 pixels, over some already looked at (none of them inside).
    const std::size_t k = block(bgr + 3 * (count - 16));
    return k < 16 ? count - 16 + k : kNoPixel;
  }
  // 4 pixels in 16 bytes; pixel k is inside when bits 4k to 4k + 2 are set.
  auto block = [&](const std::uint8_t* at) QV_SSE2_CODE -> std::size_t {
    const std::uint32_t bits = InRange(at, low_[0], high_[0]);
    const std::uint32_t inside = bits & (bits >> 1) & (bits >> 2) & 0x1111u;
    return inside != 0 ? static_cast<std::size_t>(std::countr_zero(inside)) / 4 : 4;
  };
  if (count < 4) return FindPortable(bgr, count);
  std::size_t i = 0;
  for (; i + 4 <= count; i += 4) {
    if (const std::size_t k = block(bgr + 4 * i); k < 4) return i + k;
  }
  if (i == count) return kNoPixel;
  const std::size_t k = block(bgr + 4 * (count - 4));
  return k < 4 ? count - 4 + k : kNoPixel;
}

#else

bool BoxScan::HasSse2() { return false; }

std::size_t BoxScan::FindSse2(const std::uint8_t* bgr, std::size_t count) const { return FindPortable(bgr, count); }

#endif

}  // namespace pixfarrow
