#include "library/core/nearest_color.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace pixfarrow {
namespace {

inline int Red(Rgb c) { return static_cast<int>((c >> 16) & 0xFF); }
inline int Green(Rgb c) { return static_cast<int>((c >> 8) & 0xFF); }
inline int Blue(Rgb c) { return static_cast<int>(c & 0xFF); }

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

constexpr int kBlockBits = 5;  // blocks of 32 levels per channel, 8 x 8 x 8 blocks
constexpr int kBlockSide = 1 << kBlockBits;
constexpr int kBlocks = 512;

inline int BlockOf(Rgb c) {
  return ((Red(c) >> kBlockBits) << 6) | ((Green(c) >> kBlockBits) << 3) | (Blue(c) >> kBlockBits);
}

// Full 2^24 colour-to-index table, each block filled on first use. A colour's nearest entry
// lies among the entries whose distance to the block box is no more than the smallest
// farthest-corner distance of any entry, so a block needs only those few candidates.
class FixedPaletteMap {
 public:
  FixedPaletteMap() : table_(new std::uint8_t[std::size_t{1} << 24]) {}

  std::uint8_t Lookup(Rgb color) {
    color &= 0xFFFFFF;
    const int block = BlockOf(color);
    if (!ready_[block].load(std::memory_order_acquire)) Build(block);
    return table_[color];
  }

 private:
  void Build(int block) {
    std::lock_guard lock(mutex_);
    if (ready_[block].load(std::memory_order_relaxed)) return;
    const int r0 = (block >> 6) * kBlockSide, g0 = ((block >> 3) & 7) * kBlockSide,
              b0 = (block & 7) * kBlockSide;
    const int r1 = r0 + kBlockSide - 1, g1 = g0 + kBlockSide - 1, b1 = b0 + kBlockSide - 1;

    int bound = 1 << 30;
    for (const Rgb e : kFixedColors) {
      bound = std::min(bound, FarGap(Red(e), r0, r1) + FarGap(Green(e), g0, g1) + FarGap(Blue(e), b0, b1));
    }
    std::vector<int> candidates;  // indexes in increasing order keep the lower-index tie rule
    for (int i = 0; i < 256; ++i) {
      const Rgb e = kFixedColors[i];
      if (NearGap(Red(e), r0, r1) + NearGap(Green(e), g0, g1) + NearGap(Blue(e), b0, b1) <= bound) {
        candidates.push_back(i);
      }
    }
    for (int r = r0; r <= r1; ++r) {
      for (int g = g0; g <= g1; ++g) {
        std::uint8_t* row = &table_[(static_cast<std::size_t>(r) << 16) | (static_cast<std::size_t>(g) << 8)];
        for (int b = b0; b <= b1; ++b) {
          const Rgb c = (static_cast<Rgb>(r) << 16) | (static_cast<Rgb>(g) << 8) | static_cast<Rgb>(b);
          int best = candidates.front(), bestDistance = Distance(c, kFixedColors[best]);
          for (const int i : candidates) {
            const int d = Distance(c, kFixedColors[i]);
            if (d < bestDistance) best = i, bestDistance = d;
          }
          row[b] = static_cast<std::uint8_t>(best);
        }
      }
    }
    ready_[block].store(true, std::memory_order_release);
  }

  std::unique_ptr<std::uint8_t[]> table_;
  std::atomic<bool> ready_[kBlocks] = {};
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
  std::uint32_t last = 0;
  std::uint8_t lastIndex = map.Lookup(0);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t p = pixels[i] & 0xFFFFFF;
    if (p != last) last = p, lastIndex = map.Lookup(p);  // runs of one colour skip the lookup
    out[i] = lastIndex;
  }
}

}  // namespace pixfarrow
