#include "library/core/nearest_color.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <memory>
#include <mutex>
#include <vector>

namespace pixfarrow {
namespace {

inline int Red(Rgb c) { return static_cast<int>((c >> 16) & 0xFF); }
inline int Green(Rgb c) { return static_cast<int>((c >> 8) & 0xFF); }
inline int Blue(Rgb c) { return static_cast<int>(c & 0xFF); }

inline std::uint32_t Load32(const std::uint8_t* p) {
  std::uint32_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

inline int Distance(Rgb a, Rgb b) {
  const int dr = Red(a) - Red(b), dg = Green(a) - Green(b), db = Blue(a) - Blue(b);
  return dr * dr + dg * dg + db * db;
}

// Squared distance from v to the interval [lo, hi], and to its far end.
inline int NearGap(int v, int lo, int hi) {
  const int d = v < lo ? lo - v : (v > hi ? v - hi : 0);
  return d * d;
}
inline int FarGap(int v, int lo, int hi) {
  const int d = std::max(v - lo, hi - v);
  return d * d;
}

constexpr int kBlockBits = 3;  // colours are matched in blocks of 8 levels per channel
constexpr int kBlockSide = 1 << kBlockBits;

// The duplicated entry 248 (= 164) is never the answer, since ties go to the lower index.
// The table holds index ^ kUnbuilt, so its zero-filled pages read as "not built yet" and
// need no initialisation (the system hands them out on first touch).
constexpr std::uint8_t kUnbuilt = 248;

// Full 2^24 colour-to-index table, filled one block on first use. A colour's nearest entry
// lies among the entries whose distance to the block's box is no more than the smallest
// farthest-corner distance of any entry, so a block needs only those few candidates.
class FixedPaletteMap {
 public:
  FixedPaletteMap() : table_(static_cast<std::uint8_t*>(std::calloc(std::size_t{1} << 24, 1))) {
    if (!table_) throw std::bad_alloc();
  }

  std::uint8_t Lookup(Rgb color) { return Lookup(table_.get(), color & 0xFFFFFF); }

  // The hot form: the caller keeps the table address in a register (stores through byte
  // pointers would otherwise force a reload of the member on every pixel).
  std::uint8_t* Table() const { return table_.get(); }
  std::uint8_t Lookup(std::uint8_t* table, Rgb color) {
    const std::uint8_t v = std::atomic_ref<std::uint8_t>(table[color]).load(std::memory_order_relaxed);
    return v != 0 ? v ^ kUnbuilt : Miss(color);
  }

 private:
  std::uint8_t Miss(Rgb color) {
    Build(color);
    return std::atomic_ref<std::uint8_t>(table_[color]).load(std::memory_order_relaxed) ^ kUnbuilt;
  }

  struct Free {
    void operator()(std::uint8_t* p) const { std::free(p); }
  };

  // Fills the block holding color. Every writer stores the same values, so a reader that
  // races a build sees either 0 (and comes here) or the final value.
  void Build(Rgb color) {
    std::lock_guard lock(mutex_);
    const int mask = ~(kBlockSide - 1);
    const int r0 = Red(color) & mask, g0 = Green(color) & mask, b0 = Blue(color) & mask;
    const int r1 = r0 + kBlockSide - 1, g1 = g0 + kBlockSide - 1, b1 = b0 + kBlockSide - 1;

    int bound = 1 << 30;
    for (const Rgb e : kFixedColors) {
      bound = std::min(bound, FarGap(Red(e), r0, r1) + FarGap(Green(e), g0, g1) + FarGap(Blue(e), b0, b1));
    }
    int candidates[256];  // in increasing index order, which keeps the lower-index tie rule
    int count = 0;
    for (int i = 0; i < 256; ++i) {
      const Rgb e = kFixedColors[i];
      if (NearGap(Red(e), r0, r1) + NearGap(Green(e), g0, g1) + NearGap(Blue(e), b0, b1) <= bound) {
        candidates[count++] = i;
      }
    }
    for (int r = r0; r <= r1; ++r) {
      for (int g = g0; g <= g1; ++g) {
        for (int b = b0; b <= b1; ++b) {
          const Rgb c = (static_cast<Rgb>(r) << 16) | (static_cast<Rgb>(g) << 8) | static_cast<Rgb>(b);
          int best = candidates[0], bestDistance = Distance(c, kFixedColors[best]);
          for (int k = 1; k < count; ++k) {
            const int d = Distance(c, kFixedColors[candidates[k]]);
            if (d < bestDistance) best = candidates[k], bestDistance = d;
          }
          std::atomic_ref<std::uint8_t>(table_[c]).store(static_cast<std::uint8_t>(best ^ kUnbuilt),
                                                         std::memory_order_relaxed);
        }
      }
    }
  }

  std::unique_ptr<std::uint8_t[], Free> table_;
  std::mutex mutex_;
};

FixedPaletteMap& Map() {
  static FixedPaletteMap map;
  return map;
}

}  // namespace

std::uint8_t NearestIndex(std::span<const Rgb> table, Rgb color) {
  std::size_t best = 0;
  int bestDistance = Distance(color, table[0]);
  for (std::size_t i = 1; i < table.size(); ++i) {
    const int d = Distance(color, table[i]);
    if (d < bestDistance) best = i, bestDistance = d;
  }
  return static_cast<std::uint8_t>(best);
}

std::uint8_t FixedPaletteIndex(Rgb color) { return Map().Lookup(color); }

void MapToFixedPalette(const std::uint32_t* pixels, std::size_t count, std::uint8_t* out) {
  FixedPaletteMap& map = Map();
  std::uint8_t* const table = map.Table();
  for (std::size_t i = 0; i < count; ++i) out[i] = map.Lookup(table, pixels[i] & 0xFFFFFF);
}

void MapBgrToFixedPalette(const std::uint8_t* bgr, std::size_t count, std::size_t bytesPerPixel, std::uint8_t* out) {
  FixedPaletteMap& map = Map();
  std::uint8_t* const table = map.Table();
  std::size_t i = 0;
  if (bytesPerPixel == 3) {
    // Four pixels from three words. Captures are mostly runs of one colour: a group equal
    // to the last group of one colour is written at once.
    std::uint32_t run0 = 0, run1 = 0, run2 = 0;
    std::uint32_t runIndexes = 0x01010101u * map.Lookup(table, 0);
    for (; i + 4 <= count; i += 4, bgr += 12) {
      const std::uint32_t w0 = Load32(bgr), w1 = Load32(bgr + 4), w2 = Load32(bgr + 8);
      if (w0 == run0 && w1 == run1 && w2 == run2) {
        std::memcpy(out + i, &runIndexes, 4);
        continue;
      }
      const Rgb k0 = w0 & 0xFFFFFF, k1 = (w0 >> 24) | ((w1 & 0xFFFF) << 8);
      const Rgb k2 = (w1 >> 16) | ((w2 & 0xFF) << 16), k3 = w2 >> 8;
      out[i] = map.Lookup(table, k0);
      out[i + 1] = map.Lookup(table, k1);
      out[i + 2] = map.Lookup(table, k2);
      out[i + 3] = map.Lookup(table, k3);
      if (k0 == k1 && k1 == k2 && k2 == k3) {
        run0 = w0, run1 = w1, run2 = w2;
        runIndexes = 0x01010101u * out[i];
      }
    }
  } else {
    std::uint32_t run = 0;
    std::uint8_t runIndex = map.Lookup(table, 0);
    for (; i + 1 < count; ++i, bgr += 4) {  // every whole word but the row's last one
      const std::uint32_t w = Load32(bgr) & 0xFFFFFF;
      if (w != run) run = w, runIndex = map.Lookup(table, w);
      out[i] = runIndex;
    }
  }
  for (; i < count; ++i, bgr += bytesPerPixel) {
    out[i] = map.Lookup(table, bgr[0] | (bgr[1] << 8) | (static_cast<Rgb>(bgr[2]) << 16));
  }
}

}  // namespace pixfarrow
