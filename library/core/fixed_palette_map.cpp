#include "library/core/fixed_palette_map.h"

#include <algorithm>

namespace pixfarrow {
namespace {

constexpr int kLevels = 32;

// Levels are 8 values wide and end at 8, 16, ... 248, so every boundary of the palette's
// grid (red and green 16 | 17, 48 | 49, ...; blue 32 | 33, 96 | 97, 160 | 161) lies
// between two levels; level 0 is 0 to 8 and level 31 is 249 to 255.
int Level(int v) { return v == 0 ? 0 : (v - 1) >> 3; }
int LevelLow(int level) { return level == 0 ? 0 : 8 * level + 1; }
int LevelHigh(int level) { return level == kLevels - 1 ? 255 : 8 * level + 8; }
// A value's place in its level, 0 to 7: level 0's 0 and 1 share place 0.
int Place(int v) { return (v == 0 ? 0 : v - 1) & 7; }

// The grid's cells in levels: where red and green, and where blue, begin a new cell.
constexpr int kRedGreenCells[] = {0, 2, 6, 10, 14, 18, 22, 26, kLevels};
constexpr int kBlueCells[] = {0, 4, 12, 20, kLevels};

struct Box {
  int low[3];  // blue, green, red
  int high[3];
};

Box BoxOf(const int levelLow[3], const int levelHigh[3]) {
  Box box;
  for (int k = 0; k < 3; ++k) box.low[k] = LevelLow(levelLow[k]), box.high[k] = LevelHigh(levelHigh[k]);
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

// Fills the cells of a box of levels (low to high, blue, green, red): one answer for the
// whole box where one entry wins everywhere in it, else each half of its longest side in
// turn, down to single cells, which keep their candidates.
class FixedPaletteMap::Builder {
 public:
  explicit Builder(FixedPaletteMap& map) : map_(map) {}

  void Fill(const int low[3], const int high[3], const IndexList& from) {
    const Box box = BoxOf(low, high);
    const IndexList found = Candidates(entries_, box, from);
    int longest = 0;
    for (int k = 1; k < 3; ++k) {
      if (high[k] - low[k] > high[longest] - low[longest]) longest = k;
    }
    if (found.size > 1 && high[longest] > low[longest]) {
      const int middle = (low[longest] + high[longest]) / 2;
      int lowerHigh[3] = {high[0], high[1], high[2]}, upperLow[3] = {low[0], low[1], low[2]};
      lowerHigh[longest] = middle;
      upperLow[longest] = middle + 1;
      Fill(low, lowerHigh, found);
      Fill(upperLow, high, found);
      return;
    }
    for (const std::uint8_t i : found) Extend(map_.bounds_[i], box);
    if (found.size > 1) return AddSeveral(low, found);  // a single cell, filled in by FillSeveral
    for (int r = low[2]; r <= high[2]; ++r) {
      for (int g = low[1]; g <= high[1]; ++g) {
        for (int b = low[0]; b <= high[0]; ++b) map_.answers_[static_cast<std::size_t>((r << 10) | (g << 5) | b)] = found.items[0];
      }
    }
  }

  // The tables of the cells of several answers, once all are known.
  void FillSeveral() {
    map_.finer_.resize(severalKeys_.size() * 512);
    for (std::size_t cell = 0; cell < severalKeys_.size(); ++cell) {
      const int key = severalKeys_[cell], level[3] = {key & 31, (key >> 5) & 31, key >> 10};
      const std::uint8_t* list = map_.candidates_.data() + map_.candidatesAt_[cell];
      IndexList found;
      for (int c = 0; c < list[0]; ++c) found.Add(list[1 + 4 * c]);
      FillCell(level, found, map_.finer_.data() + cell * 512);
    }
  }

 private:

  // A cell of several answers, with its candidates.
  void AddSeveral(const int level[3], const IndexList& found) {
    const auto key = static_cast<std::size_t>((level[2] << 10) | (level[1] << 5) | level[0]);
    map_.answers_[key] = kSeveral;
    map_.cells_[key] = static_cast<std::uint16_t>(map_.candidatesAt_.size());
    map_.candidatesAt_.push_back(static_cast<std::uint32_t>(map_.candidates_.size()));
    map_.candidates_.push_back(static_cast<std::uint8_t>(found.size));
    for (const std::uint8_t i : found) {
      map_.candidates_.insert(map_.candidates_.end(), {i, static_cast<std::uint8_t>(entries_.channel[i][0]),
                                                       static_cast<std::uint8_t>(entries_.channel[i][1]),
                                                       static_cast<std::uint8_t>(entries_.channel[i][2])});
    }
    severalKeys_.push_back(static_cast<std::uint16_t>(key));
  }

  // The answer of each colour of a cell of several answers, 512 bytes.
  void FillCell(const int level[3], const IndexList& found, std::uint8_t* out) const {
    // The nearest candidate of each colour of the cell (at most 9 values per channel), from
    // each candidate's squared distances along each channel.
    int low[3], count[3];
    for (int k = 0; k < 3; ++k) low[k] = LevelLow(level[k]), count[k] = LevelHigh(level[k]) - low[k] + 1;
    std::vector<std::array<std::array<int, 9>, 3>> along(static_cast<std::size_t>(found.size));
    for (int c = 0; c < found.size; ++c) {
      for (int k = 0; k < 3; ++k) {
        for (int v = 0; v < count[k]; ++v) {
          const int d = low[k] + v - entries_.channel[found.items[static_cast<std::size_t>(c)]][k];
          along[static_cast<std::size_t>(c)][static_cast<std::size_t>(k)][static_cast<std::size_t>(v)] = d * d;
        }
      }
    }
    std::uint8_t nearest[9][9][9];  // red, green, blue value from the level's lowest
    const auto candidates = static_cast<std::size_t>(found.size);
    std::vector<int> redGreen(candidates);
    for (int r = 0; r < count[2]; ++r) {
      for (int g = 0; g < count[1]; ++g) {
        for (std::size_t c = 0; c < candidates; ++c) redGreen[c] = along[c][2][static_cast<std::size_t>(r)] + along[c][1][static_cast<std::size_t>(g)];
        for (int b = 0; b < count[0]; ++b) {
          std::size_t best = 0;  // increasing index order: a tie keeps the lower one
          int bestDistance = 1 << 30;
          for (std::size_t c = 0; c < candidates; ++c) {
            const int d = redGreen[c] + along[c][0][static_cast<std::size_t>(b)];
            if (d < bestDistance) best = c, bestDistance = d;
          }
          nearest[r][g][b] = found.items[best];
        }
      }
    }
    // Each place's values: the first level's place 0 holds 0 and 1; the last level has 7
    // places (the eighth is never read).
    int first[3][8], span[3][8];
    for (int k = 0; k < 3; ++k) {
      for (int place = 0; place < 8; ++place) {
        first[k][place] = level[k] == 0 ? (place == 0 ? 0 : place + 1) : std::min(place, count[k] - 1);
        span[k][place] = level[k] == 0 && place == 0 ? 2 : 1;
      }
    }
    for (int pr = 0; pr < 8; ++pr) {
      for (int pg = 0; pg < 8; ++pg) {
        for (int pb = 0; pb < 8; ++pb) {
          const int r0 = first[2][pr], g0 = first[1][pg], b0 = first[0][pb];
          std::uint8_t answer = nearest[r0][g0][b0];
          if (span[2][pr] + span[1][pg] + span[0][pb] > 3) {
            for (int r = r0; r < r0 + span[2][pr]; ++r) {
              for (int g = g0; g < g0 + span[1][pg]; ++g) {
                for (int b = b0; b < b0 + span[0][pb]; ++b) {
                  if (nearest[r][g][b] != answer) answer = kSeveral;  // never an answer
                }
              }
            }
          }
          *out++ = answer;
        }
      }
    }
  }

  static void Extend(ColourBox& bounds, const Box& box) {
    for (int k = 0; k < 3; ++k) {
      bounds.low[k] = static_cast<std::uint8_t>(std::min<int>(bounds.low[k], box.low[k]));
      bounds.high[k] = static_cast<std::uint8_t>(std::max<int>(bounds.high[k], box.high[k]));
    }
  }

  FixedPaletteMap& map_;
  const Entries entries_;
  std::vector<std::uint16_t> severalKeys_;
};

FixedPaletteMap::FixedPaletteMap() {
  for (int v = 0; v < 256; ++v) {
    const auto level = static_cast<std::uint32_t>(Level(v)), place = static_cast<std::uint32_t>(Place(v));
    blue_[static_cast<std::size_t>(v)] = level | place << 16;
    green_[static_cast<std::size_t>(v)] = level << 5 | place << 19;
    red_[static_cast<std::size_t>(v)] = level << 10 | place << 22;
  }
  for (ColourBox& b : bounds_) b.low = {255, 255, 255}, b.high = {0, 0, 0};
  IndexList all;
  for (int i = 0; i < 256; ++i) all.Add(static_cast<std::uint8_t>(i));
  // Grid cell by grid cell first: most of them hold one answer in most of their volume.
  Builder builder(*this);
  for (int r = 0; r + 1 < static_cast<int>(std::size(kRedGreenCells)); ++r) {
    for (int g = 0; g + 1 < static_cast<int>(std::size(kRedGreenCells)); ++g) {
      for (int b = 0; b + 1 < static_cast<int>(std::size(kBlueCells)); ++b) {
        const int low[3] = {kBlueCells[b], kRedGreenCells[g], kRedGreenCells[r]};
        const int high[3] = {kBlueCells[b + 1] - 1, kRedGreenCells[g + 1] - 1, kRedGreenCells[r + 1] - 1};
        builder.Fill(low, high, all);
      }
    }
  }
  builder.FillSeveral();
}

std::uint8_t FixedPaletteMap::Refine(std::uint32_t offset, std::uint32_t blue, std::uint32_t green,
                                     std::uint32_t red) const {
  const std::uint8_t* c = candidates_.data() + offset;
  const int count = c[0];
  std::uint8_t best = 0;
  int bestDistance = 1 << 30;
  for (const std::uint8_t* e = c + 1; e < c + 1 + 4 * count; e += 4) {  // increasing index order: a tie keeps the lower one
    const int db = static_cast<int>(blue) - e[1], dg = static_cast<int>(green) - e[2], dr = static_cast<int>(red) - e[3];
    const int d = dr * dr + dg * dg + db * db;
    if (d < bestDistance) best = e[0], bestDistance = d;
  }
  return best;
}

void FixedPaletteMap::Warm() const {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < answers_.size(); i += 64) sum += answers_[i];  // one per 64-byte line
  for (std::size_t i = 0; i < cells_.size(); i += 32) sum += cells_[i];
  asm volatile("" : : "r"(sum));
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
