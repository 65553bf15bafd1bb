#include "library/core/fixed_palette_rows.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "library/core/fixed_palette_map.h"

// On x86 the SSE2 way is compiled for SSE2 whatever the build's target: the 32-bit Windows
// build assumes it there.
#if defined(__i386__) || defined(__x86_64__)
#define QV_SSE2 1
#include <emmintrin.h>
#define QV_SSE2_CODE __attribute__((target("sse2")))
#endif

namespace pixfarrow {
namespace {

inline std::uint32_t Load32(const std::uint8_t* p) {
  std::uint32_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

}  // namespace

void MapBgrPortable(const std::uint8_t* bgr, std::size_t count, std::size_t bytesPerPixel, std::uint8_t* out) {
  const FixedPaletteMap& map = FixedPaletteMap::Get();
  std::size_t i = 0;
  if (bytesPerPixel == 3) {
    // Four pixels from three words. Captures are mostly runs of one colour: a group equal
    // to the last group of one colour is written at once.
    std::uint32_t run0 = 0, run1 = 0, run2 = 0, runIndexes = 0x01010101u * map.Index(0);  // four black pixels
    for (; i + 4 <= count; i += 4, bgr += 12) {
      const std::uint32_t w0 = Load32(bgr), w1 = Load32(bgr + 4), w2 = Load32(bgr + 8);
      if (w0 == run0 && w1 == run1 && w2 == run2) {
        std::memcpy(out + i, &runIndexes, 4);
        continue;
      }
      const Rgb k0 = w0 & 0xFFFFFF, k1 = (w0 >> 24) | ((w1 & 0xFFFF) << 8);
      const Rgb k2 = (w1 >> 16) | ((w2 & 0xFF) << 16), k3 = w2 >> 8;
      out[i] = map.Index(k0);
      if (k0 == k1 && k1 == k2 && k2 == k3) {
        run0 = w0, run1 = w1, run2 = w2;
        runIndexes = 0x01010101u * out[i];
        std::memcpy(out + i, &runIndexes, 4);
        continue;
      }
      out[i + 1] = map.Index(k1);
      out[i + 2] = map.Index(k2);
      out[i + 3] = map.Index(k3);
    }
  } else {
    std::uint32_t last = ~0u;
    std::uint8_t index = 0;
    for (; i + 1 < count; ++i, bgr += 4) {  // every whole word but the row's last one
      const std::uint32_t c = Load32(bgr) & 0xFFFFFF;
      if (c != last) last = c, index = map.Index(c);
      out[i] = index;
    }
  }
  for (; i < count; ++i, bgr += bytesPerPixel) out[i] = map.Index(bgr[0], bgr[1], bgr[2]);
}

#if defined(QV_SSE2)

namespace {

// Pixels converted at a time: their key bytes and the list of those in cells of several
// answers stay in the first-level cache.
constexpr std::size_t kChunk = 512;

// A pixel's key (fixed_palette_map.h) is written as two bytes over its blue and green bytes,
// so that it reads as a 16-bit word at the pixel's first byte: low byte blue's level and the
// low 3 bits of green's, high byte the rest of green's and red's. With t a byte's level
// times 8 and n the next byte's: low = t / 8 | (n << 2 & 0xE0), high = t / 64 | (n / 2 & 0x7C).
// Per 16 bytes of pixels, the masks that keep these parts at the blue and green bytes: for
// the three phases of 3-byte pixels (16 mod 3 is 1), and for 4-byte pixels.
struct KeyMasks {
  alignas(16) std::uint8_t lowOwn[16];
  alignas(16) std::uint8_t lowNext[16];
  alignas(16) std::uint8_t highOwn[16];
  alignas(16) std::uint8_t highNext[16];
};

constexpr std::array<KeyMasks, 4> MakeKeyMasks() {
  std::array<KeyMasks, 4> masks{};
  for (std::size_t phase = 0; phase < 4; ++phase) {
    for (std::size_t j = 0; j < 16; ++j) {
      const std::size_t channel = phase < 3 ? (phase * 16 + j) % 3 : j % 4;  // 0 blue, 1 green
      masks[phase].lowOwn[j] = channel == 0 ? 0x1F : 0;
      masks[phase].lowNext[j] = channel == 0 ? 0xE0 : 0;
      masks[phase].highOwn[j] = channel == 1 ? 0x03 : 0;
      masks[phase].highNext[j] = channel == 1 ? 0x7C : 0;
    }
  }
  return masks;
}
constexpr std::array<KeyMasks, 4> kKeyMasks = MakeKeyMasks();

QV_SSE2_CODE inline __m128i Mask(const std::uint8_t (&bytes)[16]) {
  return _mm_load_si128(reinterpret_cast<const __m128i*>(bytes));
}

// The key bytes of the 16 bytes at `at`; reads 17 bytes.
QV_SSE2_CODE inline __m128i KeyBytes(const std::uint8_t* at, const KeyMasks& masks) {
  const __m128i one = _mm_set1_epi8(1);
  // Levels are (v - 1) / 8, and 0 for 0: a saturating subtraction, then the shifts below.
  const __m128i own = _mm_subs_epu8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), one);
  const __m128i next = _mm_subs_epu8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 1)), one);
  // 16-bit shifts: what crosses into the other byte is masked off.
  const __m128i low = _mm_or_si128(_mm_and_si128(_mm_srli_epi16(own, 3), Mask(masks.lowOwn)),
                                   _mm_and_si128(_mm_slli_epi16(next, 2), Mask(masks.lowNext)));
  const __m128i high = _mm_or_si128(_mm_and_si128(_mm_srli_epi16(own, 6), Mask(masks.highOwn)),
                                    _mm_and_si128(_mm_srli_epi16(next, 1), Mask(masks.highNext)));
  return _mm_or_si128(low, high);
}

inline std::uint16_t KeyAt(const std::uint8_t* key) {
  std::uint16_t k;
  std::memcpy(&k, key, sizeof k);
  return k;
}

// The offsets of the set bits of each byte value, and how many there are.
struct SetBits {
  std::array<std::array<std::uint8_t, 8>, 256> at{};
  std::array<std::uint8_t, 256> count{};
};
constexpr SetBits MakeSetBits() {
  SetBits bits;
  for (std::size_t m = 0; m < 256; ++m) {
    for (std::size_t b = 0; b < 8; ++b) {
      if ((m >> b) & 1) bits.at[m][bits.count[m]++] = static_cast<std::uint8_t>(b);
    }
  }
  return bits;
}
constexpr SetBits kSetBits = MakeSetBits();

// The key bytes of a block of pixels: 48 bytes of 3-byte pixels, 16 of 4-byte ones; reads
// one byte more.
template <std::size_t kBytes>
QV_SSE2_CODE inline void BlockKeys(const std::uint8_t* in, std::uint8_t* keys) {
  if constexpr (kBytes == 3) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(keys), KeyBytes(in, kKeyMasks[0]));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(keys + 16), KeyBytes(in + 16, kKeyMasks[1]));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(keys + 32), KeyBytes(in + 32, kKeyMasks[2]));
  } else {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(keys), KeyBytes(in, kKeyMasks[3]));
  }
}

// One chunk of n <= kChunk pixels, of which `readable` bytes may be read: every key made a
// block at a time (the last block from a copy where the bytes end), each looked up in the
// cell table, and the pixels of cells of several answers listed, without a branch per
// pixel, and resolved at the end (on noise they are one in twenty).
template <std::size_t kBytes>
QV_SSE2_CODE void MapChunk(const FixedPaletteMap& map, const std::uint8_t* in, std::size_t n, std::size_t readable,
                           std::uint8_t* out) {
  constexpr std::size_t kBlock = kBytes == 3 ? 48 : 16;
  std::uint8_t keys[kChunk * kBytes + kBlock];
  std::uint16_t several[kChunk + 8];
  const std::size_t bytes = n * kBytes;
  std::size_t i = 0;
  for (; i < bytes && i + kBlock < readable; i += kBlock) BlockKeys<kBytes>(in + i, keys + i);
  if (i < bytes) {
    std::uint8_t last[kBlock + 1] = {};
    std::memcpy(last, in + i, bytes - i);
    BlockKeys<kBytes>(last, keys + i);
  }

  const std::uint8_t* answers = map.CellAnswers();
  std::size_t p = 0;
  for (; p + 4 <= n; p += 4) {
    const std::uint8_t* k = keys + p * kBytes;
    out[p] = answers[KeyAt(k)];
    out[p + 1] = answers[KeyAt(k + kBytes)];
    out[p + 2] = answers[KeyAt(k + 2 * kBytes)];
    out[p + 3] = answers[KeyAt(k + 3 * kBytes)];
  }
  for (; p < n; ++p) out[p] = answers[KeyAt(keys + p * kBytes)];

  std::size_t found = 0;
  const __m128i marker = _mm_set1_epi8(static_cast<char>(FixedPaletteMap::kSeveral));
  for (p = 0; p + 16 <= n; p += 16) {
    const auto m = static_cast<std::uint32_t>(
        _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(out + p)), marker)));
    for (std::uint32_t half = 0; half < 2; ++half) {
      const std::uint32_t b = (m >> (8 * half)) & 0xFF;
      const __m128i offsets = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(kSetBits.at[b].data())),
                                                _mm_setzero_si128());
      const __m128i positions = _mm_add_epi16(offsets, _mm_set1_epi16(static_cast<short>(p + 8 * half)));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(several + found), positions);
      found += kSetBits.count[b];
    }
  }
  for (; p < n; ++p) {
    several[found] = static_cast<std::uint16_t>(p);
    found += out[p] == FixedPaletteMap::kSeveral;
  }
  for (std::size_t e = 0; e < found; ++e) {
    const std::uint8_t* pixel = in + several[e] * kBytes;
    out[several[e]] = map.Index(pixel[0], pixel[1], pixel[2]);
  }
}

}  // namespace

bool MapBgrHasSse2() { return true; }

QV_SSE2_CODE void MapBgrSse2(const std::uint8_t* bgr, std::size_t count, std::size_t bytesPerPixel, std::uint8_t* out) {
  const FixedPaletteMap& map = FixedPaletteMap::Get();
  for (std::size_t start = 0; start < count; start += kChunk) {
    const std::size_t n = std::min(kChunk, count - start), readable = (count - start) * bytesPerPixel;
    if (bytesPerPixel == 3) {
      MapChunk<3>(map, bgr + 3 * start, n, readable, out + start);
    } else {
      MapChunk<4>(map, bgr + 4 * start, n, readable, out + start);
    }
  }
}

void MapBgrToFixedPalette(const std::uint8_t* bgr, std::size_t count, std::size_t bytesPerPixel, std::uint8_t* out) {
  MapBgrSse2(bgr, count, bytesPerPixel, out);
}

#else

bool MapBgrHasSse2() { return false; }

void MapBgrSse2(const std::uint8_t* bgr, std::size_t count, std::size_t bytesPerPixel, std::uint8_t* out) {
  MapBgrPortable(bgr, count, bytesPerPixel, out);
}

void MapBgrToFixedPalette(const std::uint8_t* bgr, std::size_t count, std::size_t bytesPerPixel, std::uint8_t* out) {
  MapBgrPortable(bgr, count, bytesPerPixel, out);
}

#endif

void MapToFixedPalette(const std::uint32_t* pixels, std::size_t count, std::uint8_t* out) {
  if constexpr (std::endian::native == std::endian::little) {
    MapBgrToFixedPalette(reinterpret_cast<const std::uint8_t*>(pixels), count, 4, out);
  } else {
    const FixedPaletteMap& map = FixedPaletteMap::Get();
    for (std::size_t i = 0; i < count; ++i) out[i] = map.Index(pixels[i] & 0xFFFFFF);
  }
}

}  // namespace pixfarrow
