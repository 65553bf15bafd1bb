// The row conversion as the 32-bit Windows build compiles it (SSE2 code in a build whose
// default target has none, on a stack that Windows keeps 4-byte aligned).
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "library/core/color_tables.h"
#include "library/core/fixed_palette_rows.h"
#include "library/core/nearest_color.h"

namespace pixfarrow {
namespace {

// Every colour, in rows of 3- and 4-byte pixels: the SSE2 way gives the pixel-by-pixel
// way's index, on the main thread and on a new one; every 61st colour is checked against
// the plain rule too.
TEST(PaletteRows, EveryColourConvertsAlikeOnBothWays) {
  ASSERT_TRUE(MapBgrHasSse2());
  auto check = [](Rgb begin, Rgb end) {
    std::size_t wrong = 0;
    constexpr std::size_t kRow = 4099;
    std::vector<std::uint8_t> plain(kRow), fast(kRow);
    for (Rgb first = begin; first < end; first += kRow) {
      const std::size_t n = std::min<std::size_t>(kRow, end - first);
      for (const std::size_t bytes : {3u, 4u}) {
        std::vector<std::uint8_t> bgr(n * bytes);
        for (std::size_t i = 0; i < n; ++i) {
          for (std::size_t k = 0; k < 3; ++k) bgr[i * bytes + k] = static_cast<std::uint8_t>((first + i) >> (8 * k));
        }
        MapBgrPortable(bgr.data(), n, bytes, plain.data());
        MapBgrSse2(bgr.data(), n, bytes, fast.data());
        for (std::size_t i = 0; i < n; ++i) {
          wrong += plain[i] != fast[i];
          if (bytes == 3 && (first + i) % 61 == 0) wrong += plain[i] != NearestIndex(kFixedColors, first + static_cast<Rgb>(i));
        }
      }
    }
    return wrong;
  };
  std::size_t onThread = 0;
  std::thread other([&] { onThread = check(0, Rgb{1} << 23); });
  EXPECT_EQ(check(Rgb{1} << 23, Rgb{1} << 24), 0u);
  other.join();
  EXPECT_EQ(onThread, 0u);
}

}  // namespace
}  // namespace pixfarrow
