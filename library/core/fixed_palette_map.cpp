#include "library/core/fixed_palette_map.h"

#include <algorithm>

namespace pixfarrow {
namespace {

constexpr int kLevels = 32;

// A channel's level is min(v + shift, 255) / 8, so levels are 8 values wide, the top one
// wider. With these shifts the boundaries of the palette's grid (red and green 16 | 17,
// 48 | 49, ...; blue 32 | 33, 96 | 97, 160 | 161) fall between levels that a cube of 4
// (red, green) or 8 (blue) levels splits, so most cubes of the recursive fill below lie
// within one grid cell. The lowest levels (below the one of 0) hold no value.
constexpr int kShift[3] = {31, 15, 15};  // blue, green, red

int Level(int v, int k) { return std::min(v + kShift[k], 255) >> 3; }
int LevelLow(int level, int k) { return std::max(0, 8 * level - kShift[k]); }
int LevelHigh(int level, int k) { return level == kLevels - 1 ? 255 : 8 * level + 7 - kShift[k]; }

struct Box {
  int low[3];  // blue, green, red
  int high[3];
  bool Empty() const { return high[0] < 0 || high[1] < 0 || high[2] < 0; }
};

Box BoxOf(const int levelLow[3], const int levelHigh[3]) {
  Box box;
  for (int k = 0; k < 3; ++k) box.low[k] = LevelLow(levelLow[k], k), box.high[k] = LevelHigh(levelHigh[k], k);
  return box;
}

int Channel(Rgb colour, int k) { return static_cast<int>((colour >> (8 * k)) & 0xFF); }

// The entries' channels, blue, green, red.
struct Entries {
  int channel[256][3];
  Entries() {
    for (int i = 0; i < 256; ++i) {
      for (int k = 0; k < 3; ++k) channel[i][k] = Channel(kFixedColors[i], k);
    }
  }
};

// Smallest and largest squared distance from an entry to the colours of a box.
int NearestDistance(const int entry[3], const Box& box) {
  int sum = 0;
  for (int k = 0; k < 3; ++k) {
    const int v = entry[k];
    const int d = v < box.low[k] ? box.low[k] - v : v > box.high[k] ? v - box.high[k] : 0;
    sum += d * d;
  }
  return sum;
}
int FarthestDistance(const int entry[3], const Box& box) {
  int sum = 0;
  for (int k = 0; k < 3; ++k) {
    const int d = std::max(entry[k] - box.low[k], box.high[k] - entry[k]);
    sum += d * d;
  }
  return sum;
}

// Whether entry a wins over entry b at every colour c of the box: nearer, or as near with
// the lower index. |c - a|^2 - |c - b|^2 = 2 c.(b - a) + |a|^2 - |b|^2 is affine in c, so
// its largest value over the box lies at the corner that each channel's sign picks.
bool WinsEverywhere(const Entries& entries, int a, int b, const Box& box) {
  const int* ea = entries.channel[a];
  const int* eb = entries.channel[b];
  int worst = 0;
  for (int k = 0; k < 3; ++k) {
    const int slope = 2 * (eb[k] - ea[k]);
    worst += slope * (slope > 0 ? box.high[k] : box.low[k]) + ea[k] * ea[k] - eb[k] * eb[k];
  }
  return a < b ? worst <= 0 : worst < 0;
}

// A short list of palette indexes in increasing order.
struct IndexList {
  std::array<std::uint8_t, 256> items;
  int size = 0;
  void Add(std::uint8_t i) { items[static_cast<std::size_t>(size++)] = i; }
  const std::uint8_t* begin() const { return items.data(); }
  const std::uint8_t* end() const { return items.data() + size; }
};

// The entries among `from` that are the nearest of all for some colour of the box. Every
// colour's nearest entry lies within the smallest farthest distance of any entry, and an
// entry that another wins over everywhere never answers (looked for only in short lists:
// long ones belong to large boxes, which are split anyway).
constexpr int kPruneAtMost = 16;

IndexList Candidates(const Entries& entries, const Box& box, const IndexList& from) {
  int bound = 1 << 30;
  for (const std::uint8_t i : from) bound = std::min(bound, FarthestDistance(entries.channel[i], box));
  IndexList near;
  int closest = 0, closestDistance = 1 << 30;  // to the box's centre: the likely winner
  for (const std::uint8_t i : from) {
    if (NearestDistance(entries.channel[i], box) > bound) continue;
    int d = 0;
    for (int k = 0; k < 3; ++k) {
      const int twice = 2 * entries.channel[i][k] - box.low[k] - box.high[k];
      d += twice * twice;
    }
    if (d < closestDistance) closest = near.size, closestDistance = d;
    near.Add(i);
  }
  if (near.size > kPruneAtMost) return near;
  const std::uint8_t likely = near.items[static_cast<std::size_t>(closest)];
  IndexList kept;
  for (const std::uint8_t b : near) {
    const bool beaten = (b != likely && WinsEverywhere(entries, likely, b, box)) ||
                        std::any_of(near.begin(), near.end(),
                                    [&](std::uint8_t a) { return a != b && a != likely && WinsEverywhere(entries, a, b, box); });
    if (!beaten) kept.Add(b);
  }
  return kept;
}

}  // namespace

// Fills the cells of a cube of side levels from first (blue, green, red): one answer for
// the whole cube where one entry wins everywhere in it, else each of its eight halves in
// turn, down to single cells, which keep their candidates.
class FixedPaletteMap::Builder {
 public:
  explicit Builder(FixedPaletteMap& map) : map_(map) {}

  void Fill(const int first[3], int side, const IndexList& from) {
    const int last[3] = {first[0] + side - 1, first[1] + side - 1, first[2] + side - 1};
    const Box box = BoxOf(first, last);
    if (box.Empty()) return;
    const IndexList found = Candidates(entries_, box, from);
    if (found.size > 1 && side > 1) {
      const int half = side / 2;
      for (int part = 0; part < 8; ++part) {
        const int at[3] = {first[0] + (part & 1) * half, first[1] + ((part >> 1) & 1) * half,
                           first[2] + ((part >> 2) & 1) * half};
        Fill(at, half, found);
      }
      return;
    }
    for (const std::uint8_t i : found) Extend(map_.bounds_[i], box);
    std::uint16_t cell = found.items[0];
    if (found.size > 1) {
      cell = static_cast<std::uint16_t>(256 + map_.candidates_.size());
      map_.candidates_.push_back(static_cast<std::uint8_t>(found.size));
      map_.candidates_.insert(map_.candidates_.end(), found.begin(), found.end());
    }
    for (int r = first[2]; r <= last[2]; ++r) {
      for (int g = first[1]; g <= last[1]; ++g) {
        for (int b = first[0]; b <= last[0]; ++b) map_.cells_[static_cast<std::size_t>((r << 10) | (g << 5) | b)] = cell;
      }
    }
  }

 private:
  static void Extend(ColourBox& bounds, const Box& box) {
    for (int k = 0; k < 3; ++k) {
      bounds.low[k] = static_cast<std::uint8_t>(std::min<int>(bounds.low[k], box.low[k]));
      bounds.high[k] = static_cast<std::uint8_t>(std::max<int>(bounds.high[k], box.high[k]));
    }
  }

  FixedPaletteMap& map_;
  const Entries entries_;
};

FixedPaletteMap::FixedPaletteMap() {
  for (int v = 0; v < 256; ++v) {
    blue_[v] = static_cast<std::uint16_t>(Level(v, 0));
    green_[v] = static_cast<std::uint16_t>(Level(v, 1) << 5);
    red_[v] = static_cast<std::uint16_t>(Level(v, 2) << 10);
  }
  for (ColourBox& b : bounds_) b.low = {255, 255, 255}, b.high = {0, 0, 0};
  IndexList all;
  for (int i = 0; i < 256; ++i) all.Add(static_cast<std::uint8_t>(i));
  const int first[3] = {0, 0, 0};
  Builder(*this).Fill(first, kLevels, all);
}

std::uint8_t FixedPaletteMap::Refine(std::uint16_t cell, std::uint32_t blue, std::uint32_t green,
                                     std::uint32_t red) const {
  const std::uint8_t* c = candidates_.data() + (cell - 256);
  const int count = c[0];
  std::uint8_t best = 0;
  int bestDistance = 1 << 30;
  for (int k = 1; k <= count; ++k) {  // increasing index order: a tie keeps the lower one
    const Rgb e = kFixedColors[c[k]];
    const int db = static_cast<int>(blue) - Channel(e, 0), dg = static_cast<int>(green) - Channel(e, 1),
              dr = static_cast<int>(red) - Channel(e, 2);
    const int d = dr * dr + dg * dg + db * db;
    if (d < bestDistance) best = c[k], bestDistance = d;
  }
  return best;
}

const FixedPaletteMap& FixedPaletteMap::Get() {
  static const FixedPaletteMap map;
  return map;
}

namespace {
// Built while the library loads, so that no search pays for it.
[[maybe_unused]] const FixedPaletteMap& kBuiltAtLoad = FixedPaletteMap::Get();
}  // namespace

}  // namespace pixfarrow
